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

TEST(IconFile, HoldsThePictureAsOneImageWithOnlyTheTopLeftMasked) {
    QFile file(ZAMUT_RES_DIR "/icon/zamut.ico");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    const QImage png(ZAMUT_RES_DIR "/icon/zamut.png");
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
              png.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // The masked pixel is black: screen AND 1 XOR black shows the screen.
    const auto masked = static_cast<uchar>(ico[22 + 40 + 1024 + 31 * 32]);
    EXPECT_EQ(qFromLittleEndian<quint32>(ico.constData() + 22 + 40 + 4 * masked), 0U);
    EXPECT_EQ(ico, zamut::iconFileBytes(zamut::drawIconPicture()));
}

} // namespace
