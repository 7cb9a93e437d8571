// SPDX-License-Identifier: MIT
// Draws the ten card pictures and the icon, pixel by pixel.

#include "res/tilegen/TilePictures.h"

#include <QList>

#include <array>
#include <cmath>
#include <span>
#include <stdexcept>

namespace zamut {
namespace {

// Palette indices. Entry 0 is the transparent cyan every picture starts from.
enum Ink : uchar {
    Clear,
    DarkGold,
    Brown,
    White,
    FaceGrey,
    Shadow,
    YellowGold,
    Blue,
    Green,
    Dot,
    DarkRed,
    Red,
    BlueLight,
    GreenLight,
    OrangeGold,
    InkCount
};

const QList<QRgb>& palette() {
    static const QList<QRgb> colours{
        qRgba(0, 255, 255, 0), // Clear
        qRgb(198, 132, 0),     // DarkGold
        qRgb(132, 66, 0),      // Brown
        qRgb(255, 255, 255),   // White
        qRgb(220, 220, 220),   // FaceGrey
        qRgb(132, 132, 132),   // Shadow
        qRgb(241, 182, 3),     // YellowGold
        qRgb(0, 51, 102),      // Blue
        qRgb(0, 89, 0),        // Green
        qRgb(207, 207, 207),   // Dot
        qRgb(166, 0, 0),       // DarkRed
        qRgb(224, 32, 32),     // Red
        qRgb(38, 94, 150),     // BlueLight
        qRgb(40, 134, 40),     // GreenLight
        qRgb(232, 150, 24),    // OrangeGold
    };
    static_assert(InkCount == 15);
    return colours;
}

enum class Pip { Blue, BlueRed, GreenRed, Green };

struct Placement {
    double x; // centre, in pixels; .5 for circles of even size
    double y;
    int size;
    Pip pip;
};

class Canvas {
public:
    Canvas(int width, int height) : image_(width, height, QImage::Format_Indexed8) {
        image_.setColorTable(palette());
        image_.fill(Clear);
    }

    void put(int x, int y, Ink ink) { image_.setPixel(x, y, ink); }

    void fillRect(int left, int top, int width, int height, Ink ink) {
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                put(x, y, ink);
    }

    QImage take() { return std::move(image_); }

private:
    QImage image_;
};

Ink ringInk(Pip pip) {
    return pip == Pip::Blue || pip == Pip::BlueRed ? Blue : Green;
}

Ink lightInk(Pip pip) {
    return ringInk(pip) == Blue ? BlueLight : GreenLight;
}

bool hasRedCentre(Pip pip) {
    return pip == Pip::BlueRed || pip == Pip::GreenRed;
}

// The ink of one pixel of a circle of the given diameter, dx and dy measured
// from its centre: a coloured disc with a ring of light-grey dots inside its
// rim at the eight compass points and, for the red-centred kinds, a red
// middle crossed in dark red.
Ink pipInk(double dx, double dy, int size, Pip pip) {
    const double r = std::hypot(dx, dy);
    const double outer = size / 2.0;
    const Ink ring = ringInk(pip);
    if (r > outer - 1.2) // the rim, lit from the top left like the tile itself
        return dx + dy < -outer * 0.9 ? lightInk(pip) : ring;
    if (r > outer - 2.2) {
        const auto i = static_cast<int>(std::floor(std::abs(dx)));
        const auto j = static_cast<int>(std::floor(std::abs(dy)));
        return i == 0 || j == 0 || i == j ? Dot : ring;
    }
    if (hasRedCentre(pip))
        return std::abs(dx) < 0.6 || std::abs(dy) < 0.6 ? DarkRed : Red;
    return ring;
}

void drawPip(Canvas& canvas, const Placement& p) {
    const double half = p.size / 2.0;
    const auto left = static_cast<int>(std::ceil(p.x - half));
    const auto top = static_cast<int>(std::ceil(p.y - half));
    for (int y = top; y < top + p.size + 1; ++y) {
        for (int x = left; x < left + p.size + 1; ++x) {
            const double dx = x - p.x;
            const double dy = y - p.y;
            if (std::hypot(dx, dy) <= half - 0.05)
                canvas.put(x, y, pipInk(dx, dy, p.size, p.pip));
        }
    }
}

// One pixel of the single circle of card 1, dx and dy from its centre: a
// dotted dark-blue rim, rings of grey and light grey, a green ring and a red
// centre crossed in dark red.
Ink grandPipInk(int dx, int dy) {
    const double r = std::hypot(dx, dy);
    if (r > 7.4)
        return (std::abs(dx) + std::abs(dy)) % 2 == 0 && r < 8.6 ? Dot : Blue;
    if (r > 6.4)
        return Shadow;
    if (r > 5.4)
        return Dot;
    if (r > 3.4)
        return Green;
    if (r > 2.4 || (dx != 0 && dy != 0))
        return Red;
    return DarkRed;
}

void drawGrandPip(Canvas& canvas, int cx, int cy) {
    constexpr int Radius = 9;
    for (int dy = -Radius; dy <= Radius; ++dy)
        for (int dx = -Radius; dx <= Radius; ++dx)
            if (std::hypot(dx, dy) <= Radius + 0.5)
                canvas.put(cx + dx, cy + dy, grandPipInk(dx, dy));
}

// Face layouts in card pixels; the face spans columns 2..22 and rows 5..33,
// centred on column 12, row 19.
constexpr std::array<Placement, 2> Two{{{12, 13, 9, Pip::BlueRed}, {12, 25, 9, Pip::GreenRed}}};
constexpr std::array<Placement, 3> Three{
    {{6, 10, 7, Pip::Blue}, {12, 19, 7, Pip::GreenRed}, {18, 28, 7, Pip::Green}}};
constexpr std::array<Placement, 4> Four{{{7, 13, 7, Pip::Green},
                                         {17, 13, 7, Pip::Blue},
                                         {7, 25, 7, Pip::Blue},
                                         {17, 25, 7, Pip::Green}}};
constexpr std::array<Placement, 5> Five{{{6, 10, 7, Pip::Green},
                                         {18, 10, 7, Pip::Blue},
                                         {12, 19, 7, Pip::GreenRed},
                                         {6, 28, 7, Pip::Blue},
                                         {18, 28, 7, Pip::Green}}};
constexpr std::array<Placement, 6> Six{{{7, 10, 7, Pip::Blue},
                                        {17, 10, 7, Pip::Blue},
                                        {7, 21, 7, Pip::GreenRed},
                                        {17, 21, 7, Pip::GreenRed},
                                        {7, 28, 7, Pip::GreenRed},
                                        {17, 28, 7, Pip::GreenRed}}};
constexpr std::array<Placement, 7> Seven{{{6, 9, 7, Pip::Blue},
                                          {12, 12, 7, Pip::Blue},
                                          {18, 15, 7, Pip::Blue},
                                          {7, 22, 7, Pip::GreenRed},
                                          {17, 22, 7, Pip::GreenRed},
                                          {7, 28, 7, Pip::GreenRed},
                                          {17, 28, 7, Pip::GreenRed}}};
constexpr std::array<Placement, 8> Eight{{{8, 10, 7, Pip::Blue},
                                          {16, 10, 7, Pip::Blue},
                                          {8, 16, 7, Pip::Blue},
                                          {16, 16, 7, Pip::Blue},
                                          {8, 22, 7, Pip::Blue},
                                          {16, 22, 7, Pip::Blue},
                                          {8, 28, 7, Pip::Blue},
                                          {16, 28, 7, Pip::Blue}}};
constexpr std::array<Placement, 9> Nine{{{6, 11, 7, Pip::Blue},
                                         {12, 11, 7, Pip::Blue},
                                         {18, 11, 7, Pip::Blue},
                                         {6, 19, 7, Pip::GreenRed},
                                         {12, 19, 7, Pip::GreenRed},
                                         {18, 19, 7, Pip::GreenRed},
                                         {6, 27, 7, Pip::Green},
                                         {12, 27, 7, Pip::Green},
                                         {18, 27, 7, Pip::Green}}};

std::span<const Placement> pipLayout(int k) {
    switch (k) {
    case 2:
        return Two;
    case 3:
        return Three;
    case 4:
        return Four;
    case 5:
        return Five;
    case 6:
        return Six;
    case 7:
        return Seven;
    case 8:
        return Eight;
    case 9:
        return Nine;
    default:
        return {};
    }
}

// The tile outline shared by faces and back: a band over the top edge, the
// upper edge, then the body with a light strip on the left and the shadow on
// the right. The four corners stay transparent.
void drawTile(Canvas& canvas, Ink band, Ink bandEnd, Ink edge, Ink body, Ink strip) {
    constexpr int W = CardPictureWidth;
    constexpr int H = CardPictureHeight;
    canvas.fillRect(0, 0, W - 2, 2, band);
    canvas.fillRect(W - 2, 0, 2, 2, bandEnd);
    canvas.fillRect(0, 2, W, 3, edge);
    canvas.fillRect(0, 5, 2, H - 5, strip);
    canvas.fillRect(2, 5, W - 3, H - 5, body);
    canvas.fillRect(W - 1, 5, 1, H - 5, Shadow);
    for (const auto& [x, y] : {std::pair{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
        canvas.put(x, y, Clear);
}

} // namespace

QImage drawCardPicture(int k) {
    if (k < 0 || k >= CardPictureCount)
        throw std::out_of_range("card picture index");
    Canvas canvas(CardPictureWidth, CardPictureHeight);
    if (k == 0) {
        drawTile(canvas, White, FaceGrey, YellowGold, DarkGold, YellowGold);
    } else {
        drawTile(canvas, DarkGold, Brown, White, FaceGrey, White);
        if (k == 1)
            drawGrandPip(canvas, 12, 19);
        for (const Placement& p : pipLayout(k))
            drawPip(canvas, p);
    }
    return canvas.take();
}

QImage drawIconPicture() {
    constexpr int S = IconPictureSize;
    Canvas canvas(S, S);
    canvas.fillRect(0, 0, S, 3, OrangeGold);
    canvas.fillRect(0, 3, S, 1, White);
    canvas.fillRect(0, 4, 2, S - 4, White);
    canvas.fillRect(2, 4, S - 4, S - 4, FaceGrey);
    canvas.fillRect(S - 2, 4, 2, S - 4, Shadow);
    canvas.put(0, 0, Clear);
    constexpr std::array<Pip, 3> Rows{Pip::Blue, Pip::GreenRed, Pip::Green};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            drawPip(canvas, {6.5 + 9 * col, 8.5 + 9 * row, 8, Rows[static_cast<size_t>(row)]});
    return canvas.take();
}

} // namespace zamut
