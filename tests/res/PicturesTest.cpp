// The committed pictures: what the generator draws (so they cannot drift),
// embedded in a linked program, in their format, with their circles.

#include "res/tilegen/TilePictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include <array>
#include <functional>

namespace {

constexpr QRgb Cyan = qRgba(0, 255, 255, 0);
constexpr QRgb DarkBlue = qRgb(0, 51, 102);
constexpr QRgb Green = qRgb(0, 89, 0);
constexpr QRgb DarkRed = qRgb(166, 0, 0);

const QString CardPath = ZAMUT_RES_DIR "/cards/%1.png";

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Dark-red crosses: 4-connected groups of dark-red pixels.
int countCrosses(QImage image) {
    const std::function<bool(int, int)> erase = [&](int x, int y) {
        if (!image.valid(x, y) || image.pixel(x, y) != DarkRed)
            return false;
        image.setPixel(x, y, 0);
        erase(x + 1, y), erase(x - 1, y), erase(x, y + 1), erase(x, y - 1);
        return true;
    };
    int crosses = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            crosses += erase(x, y);
    return crosses;
}

TEST(PictureFiles, AreWhatTheGeneratorDrawsAndAreEmbedded) {
    const auto check = [](const QString& name, const QImage& drawn) {
        const QImage file(ZAMUT_RES_DIR "/" + name);
        EXPECT_EQ(argb(file), argb(drawn)) << name.toStdString();
        EXPECT_EQ(argb(QImage(":/" + name)), argb(file)) << name.toStdString();
    };
    for (int k = 0; k < zamut::CardPictureCount; ++k)
        check(QString("cards/%1.png").arg(k), zamut::cardPicture(k));
    check("icon/zamut.png", zamut::iconPicture());
}

TEST(CardPictures, AreIndexedTilesWithATransparentFirstColour) {
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage picture(CardPath.arg(k));
        ASSERT_EQ(picture.format(), QImage::Format_Indexed8) << k;
        ASSERT_EQ(picture.size(), QSize(24, 34)) << k;
        EXPECT_LE(picture.colorCount(), 16) << k;
        EXPECT_EQ(picture.color(0), Cyan) << k;
        EXPECT_EQ(picture.pixel(0, 0), Cyan) << k;
    }
}

TEST(CardPictures, ShowTheirKindsOfCircleAndAllDiffer) {
    // Every face shows blue circles, and all but card 8 green ones.
    constexpr std::array<int, zamut::CardPictureCount> Crosses{0, 1, 2, 1, 0, 1, 4, 4, 0, 3};
    QSet<QByteArray> distinct;
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage picture = argb(QImage(CardPath.arg(k)));
        const auto* pixels = reinterpret_cast<const QRgb*>(picture.constBits());
        const QSet<QRgb> colours(pixels, pixels + picture.width() * picture.height());
        EXPECT_EQ(countCrosses(picture), Crosses[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(colours.contains(DarkBlue), k > 0) << k;
        EXPECT_EQ(colours.contains(Green), k > 0 && k != 8) << k;
        distinct.insert(QByteArray(reinterpret_cast<const char*>(pixels), picture.sizeInBytes()));
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
    EXPECT_EQ(countCrosses(argb(icon)), 3);
}

} // namespace
