// SPDX-License-Identifier: MIT
// Writes the 32 x 32 icon as a Windows icon file.

#include "res/tilegen/IconFile.h"

#include <QtEndian>

namespace zamut {
namespace {

constexpr int Size = 32;
constexpr int PaletteEntries = 256;
constexpr int FileHeaderSize = 6;
constexpr int FileEntrySize = 16;
constexpr int BitmapHeaderSize = 40;
constexpr int PixelBytes = Size * Size;
constexpr int MaskRowBytes = Size / 8; // 32 bits, already a whole DWORD
constexpr int ImageSize = BitmapHeaderSize + 4 * PaletteEntries + PixelBytes + MaskRowBytes * Size;

template <typename T> void put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// The fields an icon file's directory entry shares with a group entry: the
// size, colour count, planes, bits a pixel and the image's length.
QByteArray directoryFields() {
    QByteArray out;
    out.append(char(Size)).append(char(Size));
    out.append('\0').append('\0'); // 0 colours: 256; reserved
    put<quint16>(out, 1);          // planes
    put<quint16>(out, 8);          // bits a pixel
    put<quint32>(out, ImageSize);
    return out;
}

QByteArray directoryHeader() {
    QByteArray out;
    put<quint16>(out, 0); // reserved
    put<quint16>(out, 1); // type: icon
    put<quint16>(out, 1); // one image
    return out;
}

} // namespace

QByteArray iconFileBytes(const QImage& picture) {
    Q_ASSERT(picture.format() == QImage::Format_Indexed8 && picture.size() == QSize(Size, Size));
    const QList<QRgb> colours = picture.colorTable();
    Q_ASSERT(colours.size() < PaletteEntries);
    // A masked pixel is drawn as screen AND 1 XOR colour, so it must be black:
    // the first unused palette entry, left zero.
    const auto black = static_cast<char>(colours.size());

    QByteArray out = directoryHeader() + directoryFields();
    put<quint32>(out, FileHeaderSize + FileEntrySize);

    put<quint32>(out, BitmapHeaderSize);
    put<qint32>(out, Size);
    put<qint32>(out, 2 * Size); // the colour rows, then the mask rows
    put<quint16>(out, 1);
    put<quint16>(out, 8);
    put<quint32>(out, 0); // uncompressed
    put<quint32>(out, PixelBytes + MaskRowBytes * Size);
    put<qint32>(out, 0);
    put<qint32>(out, 0);
    put<quint32>(out, 0); // all 256 palette entries
    put<quint32>(out, 0);

    for (int i = 0; i < PaletteEntries; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : 0;
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    QByteArray mask;
    for (int y = Size - 1; y >= 0; --y) { // bottom-up
        QByteArray maskRow(MaskRowBytes, '\0');
        for (int x = 0; x < Size; ++x) {
            const int index = picture.pixelIndex(x, y);
            const bool clear = qAlpha(colours[index]) == 0;
            out.append(clear ? black : static_cast<char>(index));
            if (clear)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
        mask += maskRow;
    }
    return out + mask;
}

} // namespace zamut
