// SPDX-License-Identifier: MIT
// The Windows icon file against its picture (the compiled resources are
// compared as decompiled text with resources.expected.rc).

#include "res/tilegen/IconFile.h"
#include "res/tilegen/TilePictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr qsizetype Palette = 22 + 40; // after the file header, its one entry and the image header
constexpr qsizetype Pixels = Palette + 1024, Mask = Pixels + 1024;

TEST(IconFile, HoldsThePictureAsOneImageWithOnlyTheTopLeftMasked) {
    const QByteArray ico = readFile(ZAMUT_RES_DIR "/icon/zamut.ico");
    const QImage png(ZAMUT_RES_DIR "/icon/zamut.png");
    ASSERT_EQ(ico.size(), Mask + 128);
    // One entry: 32 x 32, 256 colours written as 0, one plane, 8 bits, 2216
    // bytes from byte 22. Its 40-byte header: 32 wide, 64 rows (colours, then
    // mask), one plane, 8 bits, uncompressed.
    EXPECT_EQ(ico.left(42), QByteArray::fromHex("000001000100 2020000001000800 a8080000 16000000"
                                                "28000000 20000000 40000000 0100 0800 00000000"));
    QByteArray mask(128, '\0');
    mask[31 * 4] = char(0x80); // rows run bottom-up: the first bit of the last row
    EXPECT_EQ(ico.mid(Mask), mask);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const auto index = static_cast<uchar>(ico[Pixels + (31 - y) * 32 + x]);
            // The masked pixel is black: screen AND 1 XOR black shows the screen.
            const QRgb expected = x > 0 || y > 0 ? png.pixel(x, y) & 0xffffff : 0;
            ASSERT_EQ(qFromLittleEndian<quint32>(ico.constData() + Palette + 4 * index), expected)
                << x << "," << y;
        }
    }
    EXPECT_EQ(ico, zamut::iconFileBytes(zamut::drawIconPicture()));
}

} // namespace
