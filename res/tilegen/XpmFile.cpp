// SPDX-License-Identifier: MIT
// Writes indexed pictures as XPM arrays.

#include "res/tilegen/XpmFile.h"

namespace zamut {

namespace {

// Printable, and neither quote nor backslash: safe inside a C string.
constexpr char Symbols[] = " .XoO+@#$%&*=-;:>,<1234567890qwertyuiopasdfghjklzxcvbnm";

} // namespace

QByteArray xpmFileBytes(const QImage& picture, const QByteArray& name) {
    const QList<QRgb> palette = picture.colorTable();
    QByteArray text = "/* XPM */\n/* Drawn by res/tilegen; redraw with: tilegen res */\n"
                      "static const char* const " +
                      name + "[] = {\n";
    text += QStringLiteral("\"%1 %2 %3 1\",\n")
                .arg(picture.width())
                .arg(picture.height())
                .arg(palette.size())
                .toLatin1();
    for (int i = 0; i < palette.size(); ++i) {
        const QByteArray colour = i == 0 ? QByteArray("None")
                                         : "#" + QByteArray::number(palette[i] & 0xffffff, 16)
                                                     .rightJustified(6, '0')
                                                     .toUpper();
        text += QByteArray("\"") + Symbols[i] + " c " + colour + "\",\n";
    }
    for (int y = 0; y < picture.height(); ++y) {
        QByteArray row(picture.width(), ' ');
        for (int x = 0; x < picture.width(); ++x)
            row[x] = Symbols[picture.pixelIndex(x, y)];
        text += "\"" + row + (y + 1 < picture.height() ? "\",\n" : "\"\n");
    }
    return text + "};\n";
}

} // namespace zamut
