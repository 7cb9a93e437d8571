#include "res/tilegen/TilePictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>

#include <array>
#include <vector>

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

QString cardPath(int k) {
    return QString(ZAMUT_RES_DIR "/cards/%1.png").arg(k);
}
const QString IconPath = ZAMUT_RES_DIR "/icon/zamut.png";

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// What the PNG chunks of a file say about its pixel format.
struct PngFormat {
    int bitDepth = 0;
    int colourType = 0;
    QByteArray palette; // PLTE, three bytes an entry
    QByteArray alphas;  // tRNS
};

PngFormat readPngFormat(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    PngFormat format;
    for (qsizetype at = 8; at + 12 <= bytes.size();) {
        const auto length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray type = bytes.mid(at + 4, 4);
        const QByteArray data = bytes.mid(at + 8, length);
        if (type == "IHDR") {
            format.bitDepth = data[8];
            format.colourType = data[9];
        } else if (type == "PLTE") {
            format.palette = data;
        } else if (type == "tRNS") {
            format.alphas = data;
        }
        at += 12 + length;
    }
    return format;
}

// Dark-red crosses, each a 4-connected group of dark-red pixels.
int countCrosses(const QImage& image) {
    std::vector<bool> seen(static_cast<size_t>(image.width() * image.height()));
    int crosses = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            std::vector<QPoint> todo{{x, y}};
            bool found = false;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                const auto at = static_cast<size_t>(p.y() * image.width() + p.x());
                if (!image.rect().contains(p) || seen[at] || image.pixel(p) != DarkRed)
                    continue;
                seen[at] = true;
                found = true;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    todo.push_back(p + step);
            }
            crosses += found ? 1 : 0;
        }
    }
    return crosses;
}

TEST(PictureFiles, AreIndexedPngsWithTransparentCyanFirst) {
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        SCOPED_TRACE(k);
        const PngFormat png = readPngFormat(cardPath(k));
        EXPECT_EQ(png.colourType, 3);
        EXPECT_LE(png.bitDepth, 8);
        EXPECT_LE(png.palette.size(), 16 * 3);
        EXPECT_EQ(png.palette.left(3), QByteArray::fromHex("00ffff"));
        EXPECT_EQ(png.alphas.left(1), QByteArray(1, '\0'));

        const QImage card(cardPath(k));
        EXPECT_EQ(card.size(), QSize(24, 34));
        EXPECT_EQ(card.format(), QImage::Format_Indexed8);
        EXPECT_EQ(card.color(0), Cyan);
    }
    const PngFormat icon = readPngFormat(IconPath);
    EXPECT_EQ(icon.colourType, 3);
    EXPECT_EQ(icon.bitDepth, 8);
    EXPECT_EQ(QImage(IconPath).size(), QSize(32, 32));
}

TEST(PictureFiles, EqualWhatTheGeneratorDraws) {
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(argb(QImage(cardPath(k))), argb(zamut::cardPicture(k)));
    }
    EXPECT_EQ(argb(QImage(IconPath)), argb(zamut::iconPicture()));
}

TEST(PictureFiles, AreEmbeddedAsResources) {
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage embedded(QString(":/cards/%1.png").arg(k));
        EXPECT_FALSE(embedded.isNull()) << k;
        EXPECT_EQ(argb(embedded), argb(QImage(cardPath(k)))) << k;
    }
    EXPECT_EQ(argb(QImage(":/icon/zamut.png")), argb(QImage(IconPath)));
}

// The colour every pixel outside the circles' area must have: band, upper
// edge, left strip and shadow column, with the corners transparent.
QRgb outlineColour(int x, int y, bool back) {
    const bool corner = (x == 0 || x == 23) && (y == 0 || y == 33);
    if (corner)
        return Cyan;
    if (y < 2)
        return x < 22 ? (back ? White : DarkGold) : (back ? FaceGrey : Brown);
    if (y < 5)
        return back ? YellowGold : White;
    if (x < 2)
        return back ? YellowGold : White;
    if (x == 23)
        return Shadow;
    return back ? DarkGold : FaceGrey;
}

TEST(CardPictures, BackIsTheOutlineWithoutSymbol) {
    const QImage back(cardPath(0));
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            ASSERT_EQ(back.pixel(x, y), outlineColour(x, y, true)) << x << "," << y;
}

TEST(CardPictures, FacesKeepTheirCirclesInsideTheFace) {
    const QRect face(2, 5, 21, 29);
    for (int k = 1; k < zamut::CardPictureCount; ++k) {
        const QImage card(cardPath(k));
        int circlePixels = 0;
        for (int y = 0; y < card.height(); ++y) {
            for (int x = 0; x < card.width(); ++x) {
                const QRgb expected = outlineColour(x, y, false);
                if (face.contains(x, y))
                    circlePixels += card.pixel(x, y) != expected ? 1 : 0;
                else
                    ASSERT_EQ(card.pixel(x, y), expected) << k << ": " << x << "," << y;
            }
        }
        EXPECT_GT(circlePixels, 80) << k;
    }
}

TEST(CardPictures, FacesShowTheirKindsOfCircle) {
    struct Expected {
        int crosses;
        bool blue;
        bool green;
    };
    constexpr std::array<Expected, 10> Faces{{{0, false, false},
                                              {1, true, true},
                                              {2, true, true},
                                              {1, true, true},
                                              {0, true, true},
                                              {1, true, true},
                                              {4, true, true},
                                              {4, true, true},
                                              {0, true, false},
                                              {3, true, true}}};
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        SCOPED_TRACE(k);
        const QImage card = argb(QImage(cardPath(k)));
        const auto colours = QSet<QRgb>(reinterpret_cast<const QRgb*>(card.constBits()),
                                        reinterpret_cast<const QRgb*>(card.constBits()) +
                                            card.width() * card.height());
        const Expected& expected = Faces[static_cast<size_t>(k)];
        EXPECT_EQ(countCrosses(card), expected.crosses);
        EXPECT_EQ(colours.contains(DarkBlue), expected.blue);
        EXPECT_EQ(colours.contains(Green), expected.green);
    }
}

TEST(CardPictures, AllTenDiffer) {
    QSet<QByteArray> distinct;
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage card = argb(QImage(cardPath(k)));
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), zamut::CardPictureCount);
}

TEST(IconPicture, OnlyTheTopLeftPixelIsTransparent) {
    const QImage icon(IconPath);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            ASSERT_EQ(qAlpha(icon.pixel(x, y)), x == 0 && y == 0 ? 0 : 255) << x << "," << y;
    EXPECT_EQ(countCrosses(argb(icon)), 3);
}

} // namespace
