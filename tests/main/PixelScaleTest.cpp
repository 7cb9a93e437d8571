// SPDX-License-Identifier: MIT
// The card pictures on high-density screens.
#include "GameFixture.h"

#include <QPainter>
#include <QSet>

namespace zamut {
namespace {

using Board = testing::GameFixture;

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

// Run under QT_SCALE_FACTOR 2 and 1.5: the card pictures are enlarged as
// pixel blocks, never smoothed into colours the picture does not have.
TEST_F(Board, CardPicturesStayCrispWhenScaled) {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_GT(scale, 1.0) << "set QT_SCALE_FACTOR";
    // The picture as it shows over the hand's green.
    QImage seen(form.picture(9).size(), QImage::Format_ARGB32);
    seen.fill(QColor(0, 128, 0));
    QPainter(&seen).drawPixmap(0, 0, form.picture(9));
    const QImage shown =
        form.image(handImage(9))->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), (QSizeF(seen.size()) * scale).toSize());
    EXPECT_TRUE(colours(seen).contains(colours(shown))) << "blended colours";
    if (scale == std::floor(scale)) {
        EXPECT_EQ(shown, seen.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
}

} // namespace
} // namespace zamut
