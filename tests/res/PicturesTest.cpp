// SPDX-License-Identifier: MIT
// The committed pictures: what the generator draws (so they cannot drift),
// embedded in a linked program, in their format, all different.

#include "res/tilegen/TilePictures.h"
#include "res/tilegen/XpmFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>

namespace {

constexpr QRgb Cyan = qRgba(0, 255, 255, 0);

const QString CardPath = ZAMUT_RES_DIR "/cards/%1.png";

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(PictureFiles, AreWhatTheGeneratorDrawsAndAreEmbedded) {
    const auto check = [](const QString& name, const QImage& drawn) {
        const QImage file(ZAMUT_RES_DIR "/" + name);
        EXPECT_EQ(argb(file), argb(drawn)) << name.toStdString();
        EXPECT_EQ(argb(QImage(":/" + name)), argb(file)) << name.toStdString();
    };
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        check(QString("cards/%1.png").arg(k), zamut::drawCardPicture(k));
        // The Windows program's copy, compiled in as XPM.
        QFile xpm(ZAMUT_RES_DIR + QString("/cards/%1.xpm").arg(k));
        ASSERT_TRUE(xpm.open(QIODevice::ReadOnly)) << k;
        EXPECT_EQ(xpm.readAll(), zamut::xpmFileBytes(QImage(CardPath.arg(k)),
                                                     "card" + QByteArray::number(k) + "_xpm"))
            << k;
    }
    check("icon/zamut.png", zamut::drawIconPicture());
}

TEST(CardPictures, AreDistinctIndexedTilesWithATransparentFirstColour) {
    QSet<QByteArray> distinct;
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage picture(CardPath.arg(k));
        ASSERT_EQ(picture.format(), QImage::Format_Indexed8) << k;
        ASSERT_EQ(picture.size(), QSize(24, 34)) << k;
        EXPECT_LE(picture.colorCount(), 16) << k;
        EXPECT_EQ(picture.color(0), Cyan) << k;
        EXPECT_EQ(picture.pixel(0, 0), Cyan) << k;
        const QImage pixels = argb(picture);
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), zamut::CardPictureCount);
}

TEST(IconPicture, IsAnIndexedSquareWithOnlyTheTopLeftTransparent) {
    const QImage icon(ZAMUT_RES_DIR "/icon/zamut.png");
    ASSERT_EQ(icon.format(), QImage::Format_Indexed8);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            ASSERT_EQ(qAlpha(icon.pixel(x, y)), x == 0 && y == 0 ? 0 : 255) << x << "," << y;
}

} // namespace
