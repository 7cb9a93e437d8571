// The committed pictures against the drawing rules, against the generator (so
// they cannot drift) and as resources embedded in a linked program.

#include "res/tilegen/TilePictures.h"
#include "res/tilegen/XpmFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>

#include <array>
#include <functional>

namespace {

constexpr QRgb Cyan = qRgba(0, 255, 255, 0);
constexpr QRgb DarkGold = qRgb(198, 132, 0);
constexpr QRgb Brown = qRgb(132, 66, 0);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb FaceGrey = qRgb(220, 220, 220);
constexpr QRgb Shadow = qRgb(132, 132, 132);
constexpr QRgb YellowGold = qRgb(241, 182, 3);
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
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        check(QString("cards/%1.png").arg(k), zamut::cardPicture(k));
        // The Windows program's copy, compiled in as XPM.
        QFile xpm(CardPath.arg(k).replace(".png", ".xpm"));
        ASSERT_TRUE(xpm.open(QIODevice::ReadOnly)) << k;
        EXPECT_EQ(xpm.readAll(),
                  zamut::xpmFile(QImage(CardPath.arg(k)), "card" + QByteArray::number(k) + "_xpm"))
            << k;
    }
    check("icon/zamut.png", zamut::iconPicture());
}

// The colour of every pixel outside the circles: band, upper edge, left strip,
// body and shadow column, with the corners transparent.
QRgb outlineColour(int x, int y, bool back) {
    if ((x == 0 || x == 23) && (y == 0 || y == 33))
        return Cyan;
    if (y < 2)
        return x < 22 ? (back ? White : DarkGold) : (back ? FaceGrey : Brown);
    if (y < 5 || x < 2)
        return back ? YellowGold : White;
    if (x == 23)
        return Shadow;
    return back ? DarkGold : FaceGrey;
}

TEST(CardPictures, AreIndexedTilesWithCirclesOnlyOnTheFace) {
    const QRect face(2, 5, 21, 29);
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage picture(CardPath.arg(k));
        ASSERT_EQ(picture.format(), QImage::Format_Indexed8) << k;
        ASSERT_EQ(picture.size(), QSize(24, 34)) << k;
        EXPECT_LE(picture.colorCount(), 16) << k;
        EXPECT_EQ(picture.color(0), Cyan) << k;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (k > 0 && face.contains(x, y))
                    continue; // where the circles are
                ASSERT_EQ(picture.pixel(x, y), outlineColour(x, y, k == 0))
                    << k << ": " << x << "," << y;
            }
        }
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
