#include "res/tilegen/IconFile.h"
#include "res/tilegen/TilePictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

template <typename T> T at(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

constexpr int Image = 22; // the image follows the header and its one entry
constexpr int Palette = Image + 40;
constexpr int Pixels = Palette + 1024;
constexpr int Mask = Pixels + 1024;

class IconFile : public testing::Test {
protected:
    const QByteArray ico = readAll(ZAMUT_RES_DIR "/icon/zamut.ico");
    const QImage png{ZAMUT_RES_DIR "/icon/zamut.png"};
};

TEST_F(IconFile, HoldsOneEightBitImageOf32Pixels) {
    ASSERT_EQ(ico.size(), 2238);
    EXPECT_EQ(ico.left(6), QByteArray::fromHex("000001000100"));
    EXPECT_EQ(ico.mid(6, 8), QByteArray::fromHex("2020000001000800")); // 256 colours: 0
    EXPECT_EQ(at<quint32>(ico, 14), 2216U);
    EXPECT_EQ(at<quint32>(ico, 18), quint32(Image));

    EXPECT_EQ(at<quint32>(ico, Image), 40U);
    EXPECT_EQ(at<qint32>(ico, Image + 4), 32);
    EXPECT_EQ(at<qint32>(ico, Image + 8), 64); // colour rows and mask rows
    EXPECT_EQ(at<quint16>(ico, Image + 12), 1);
    EXPECT_EQ(at<quint16>(ico, Image + 14), 8);
    EXPECT_EQ(at<quint32>(ico, Image + 16), 0U); // uncompressed
}

TEST_F(IconFile, PaletteIsThePicturesColoursThenZero) {
    ASSERT_EQ(png.format(), QImage::Format_Indexed8);
    for (int i = 0; i < 256; ++i) {
        const QRgb expected = i < png.colorCount() ? png.color(i) & 0xffffff : 0;
        ASSERT_EQ(at<quint32>(ico, Palette + 4 * i), expected) << i;
    }
}

// Bottom-up rows: picture row y is stored as row 31 - y.
TEST_F(IconFile, PixelsAreThePicturesAndOnlyTheTopLeftIsMasked) {
    ASSERT_EQ(ico.size(), 2238);
    QByteArray expectedMask(128, '\0');
    expectedMask[31 * 4] = char(0x80); // the first bit of the last row
    EXPECT_EQ(ico.mid(Mask), expectedMask);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const auto index = static_cast<uchar>(ico[Pixels + (31 - y) * 32 + x]);
            const auto colour = at<quint32>(ico, Palette + 4 * index);
            if (x == 0 && y == 0) // screen AND 1 XOR black: the screen
                EXPECT_EQ(colour, 0U);
            else
                ASSERT_EQ(index, png.pixelIndex(x, y)) << x << "," << y;
        }
    }
}

TEST_F(IconFile, EqualsWhatTheGeneratorWrites) {
    EXPECT_EQ(ico, zamut::iconFile(zamut::iconPicture()));
    EXPECT_FALSE(zamut::iconResources(ico.left(2000), 1)); // not a one-image icon file
}

} // namespace
