// SPDX-License-Identifier: MIT
// The card pictures on high-density screens.
#include "GameFixture.h"

#include <QSet>

namespace zamut {
namespace {

using Board = testing::GameFixture;

// Run under QT_SCALE_FACTOR 2 and 1.5: the card pictures are enlarged as
// pixel blocks, never smoothed into colours the picture does not have.
TEST_F(Board, CardPicturesStayCrispWhenScaled) {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_GT(scale, 1.0) << "set QT_SCALE_FACTOR";
    const QImage source = form.picture(9).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shown =
        form.image(handImage(9))->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), (QSizeF(source.size()) * scale).toSize());

    // A transparent corner shows the hand's green.
    const auto seen = [&](int x, int y) {
        const QRgb pixel = source.pixel(x, y);
        return qAlpha(pixel) == 0 ? qRgb(0, 128, 0) : pixel;
    };
    QSet<QRgb> palette;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            palette.insert(seen(x, y));
    const bool whole = scale == std::floor(scale);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb pixel = shown.pixel(x, y);
            ASSERT_TRUE(palette.contains(pixel)) << "blended colour at " << x << "," << y;
            if (whole) {
                const int factor = int(scale);
                ASSERT_EQ(pixel, seen(x / factor, y / factor)) << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace zamut
