// SPDX-License-Identifier: MIT
// The committed pictures: what the generator draws (so they cannot drift),
// embedded in a linked program, in their format, all different; the Windows
// icon file against its picture (the compiled resources are compared as
// decompiled text with tests/windows/resources.expected.rc).

#include "res/tilegen/IconFile.h"
#include "res/tilegen/TilePictures.h"
#include "res/tilegen/XpmFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>

namespace {

constexpr QRgb Cyan = qRgba(0, 255, 255, 0);

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Each card picture as the generator draws it (so the file cannot drift),
// embedded in a linked program and, for the Windows program, compiled in as
// XPM; an indexed tile whose first colour is transparent, all ten different.
TEST(CardPictures, AreTheGeneratorsDistinctIndexedTilesEmbeddedAndAsXpm) {
    QSet<QByteArray> distinct;
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage picture(ZAMUT_RES_DIR + QString("/cards/%1.png").arg(k));
        EXPECT_EQ(argb(picture), argb(zamut::drawCardPicture(k))) << k;
        EXPECT_EQ(argb(QImage(QString(":/cards/%1.png").arg(k))), argb(picture)) << k;
        QFile xpm(ZAMUT_RES_DIR + QString("/cards/%1.xpm").arg(k));
        ASSERT_TRUE(xpm.open(QIODevice::ReadOnly)) << k;
        EXPECT_EQ(xpm.readAll(),
                  zamut::xpmFileBytes(picture, "card" + QByteArray::number(k) + "_xpm"))
            << k;
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

// The icon as the generator draws it, embedded; the icon file holds it as
// one image, its one transparent pixel masked.
TEST(IconPicture, IsAnIndexedSquareWithOnlyTheTopLeftTransparentAndMaskedInTheIconFile) {
    const QImage icon(ZAMUT_RES_DIR "/icon/zamut.png");
    EXPECT_EQ(argb(icon), argb(zamut::drawIconPicture()));
    EXPECT_EQ(argb(QImage(":/icon/zamut.png")), argb(icon));
    ASSERT_EQ(icon.format(), QImage::Format_Indexed8);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            ASSERT_EQ(qAlpha(icon.pixel(x, y)), x == 0 && y == 0 ? 0 : 255) << x << "," << y;

    QFile file(ZAMUT_RES_DIR "/icon/zamut.ico");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    // One entry: 32 x 32, 256 colours written as 0, one plane, 8 bits, 2216
    // bytes from byte 22. Its 40-byte header: 32 wide, 64 rows (colours, then
    // mask), one plane, 8 bits, uncompressed.
    ASSERT_EQ(ico.size(), 22 + 2216);
    EXPECT_EQ(ico.left(42), QByteArray::fromHex("000001000100 2020000001000800 a8080000 16000000"
                                                "28000000 20000000 40000000 0100 0800 00000000"));
    // Read back as a reader of icon files reads it: the picture, its one
    // transparent pixel from the mask.
    QImage read;
    ASSERT_TRUE(read.loadFromData(ico, "ICO"));
    EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              icon.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // The masked pixel is black: screen AND 1 XOR black shows the screen.
    const auto masked = static_cast<uchar>(ico[22 + 40 + 1024 + 31 * 32]);
    EXPECT_EQ(qFromLittleEndian<quint32>(ico.constData() + 22 + 40 + 4 * masked), 0U);
    EXPECT_EQ(ico, zamut::iconFileBytes(zamut::drawIconPicture()));
}

} // namespace
