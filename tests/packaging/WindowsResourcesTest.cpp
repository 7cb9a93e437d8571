// The Windows icon file against its picture, and the compiled resource script
// read back field by field.

#include "res/tilegen/IconFile.h"
#include "res/tilegen/TilePictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QtEndian>

#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Little-endian fields in order. Every structure of a .res file and of a
// version block starts on a four-byte boundary.
struct Reader {
    QByteArray bytes;
    qsizetype pos = 0;

    template <typename T> T read() {
        if (pos + qsizetype(sizeof(T)) > bytes.size())
            throw std::out_of_range("read past the end");
        return qFromLittleEndian<T>(bytes.constData() + std::exchange(pos, pos + sizeof(T)));
    }
    QByteArray take(qsizetype n) { return bytes.mid(std::exchange(pos, pos + n), n); }
    QString text() { // up to its terminating zero
        QString s;
        for (char16_t c; !atEnd() && (c = read<char16_t>()) != 0;)
            s += QChar(c);
        return s;
    }
    void align() { pos = (pos + 3) & ~qsizetype(3); }
    bool atEnd() const { return pos >= bytes.size(); }
};

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
            ASSERT_EQ((Reader{ico, Palette + 4 * index}.read<quint32>()), expected)
                << x << "," << y;
        }
    }
    EXPECT_EQ(ico, zamut::iconFile(zamut::iconPicture()));
}

using Resource = std::tuple<int, int, int, QByteArray>; // type, name, language, data

// The resources after the empty one that opens a .res file; types and names
// are numbers.
std::vector<Resource> readResources(Reader r) {
    std::vector<Resource> resources;
    while (!r.atEnd()) {
        const auto dataSize = r.read<quint32>();
        const qsizetype dataStart = r.pos - 4 + r.read<quint32>();
        const auto type = r.read<quint32>() >> 16; // after 0xffff, the number
        const auto name = r.read<quint32>() >> 16;
        r.pos += 6; // data version, memory flags
        const auto language = r.read<quint16>();
        r.pos = dataStart;
        if (dataSize > 0)
            resources.emplace_back(type, name, language, r.take(dataSize));
        r.align();
    }
    return resources;
}

// A version block's nodes depth first: depth, key and value, a text or the
// binary value's 32-bit words in hex.
using Node = std::tuple<int, std::string, std::string>;

void readNodes(Reader& r, int depth, std::vector<Node>& nodes) {
    const qsizetype end = r.pos + r.read<quint16>();
    const auto valueLength = r.read<quint16>();
    const bool isText = r.read<quint16>() == 1;
    const QString key = r.text();
    r.align();
    Reader value{r.take(isText ? 2 * valueLength : valueLength)};
    QStringList words;
    while (!isText && !value.atEnd())
        words << QString::number(value.read<quint32>(), 16).rightJustified(8, u'0');
    nodes.emplace_back(depth, key.toStdString(),
                       (isText ? value.text() : words.join(' ')).toStdString());
    for (r.align(); r.pos < end; r.align())
        readNodes(r, depth + 1, nodes);
}

TEST(CompiledResources, AreTheIconAndTheVersionBlock) {
    if (sizeof(ZAMUT_RES_FILE) == 1)
        GTEST_SKIP() << "x86_64-w64-mingw32-windres was not found when configuring";
    const QByteArray ico = readFile(ZAMUT_RES_DIR "/icon/zamut.ico");
    const std::vector<Resource> resources = readResources({readFile(ZAMUT_RES_FILE)});
    ASSERT_EQ(resources.size(), 3U);
    // The image keeps its number and the group's one entry names it (30001);
    // icons carry no language.
    EXPECT_EQ(resources[0], Resource(3, 30001, 0, ico.mid(22)));
    EXPECT_EQ(resources[1], Resource(14, 1, 0, ico.left(18) + QByteArray::fromHex("3175")));
    const auto& [type, name, language, data] = resources[2];
    EXPECT_EQ(std::tuple(type, name, language), std::tuple(16, 1, 1041));
    std::vector<Node> nodes;
    Reader version{data};
    readNodes(version, 0, nodes);
    // Signature, structure version, file and product version 1.0.0.0, flags
    // mask and flags 0, OS 4 (32-bit Windows), type 1 (application), subtype 0,
    // date 0; translation 0x0411 with code page 1200 (0x04b0).
    const std::vector<Node> expected{
        {0, "VS_VERSION_INFO",
         "feef04bd 00010000 00010000 00000000 00010000 00000000 00000000 00000000 00000004 "
         "00000001 00000000 00000000 00000000"},
        {1, "StringFileInfo", ""},
        {2, "041104B0", ""},
        {3, "ProductName", "ザムト"},
        {3, "FileVersion", "1.00"},
        {3, "ProductVersion", "1.00"},
        {3, "InternalName", "ザムト"},
        {3, "OriginalFilename", "ザムト.exe"},
        {1, "VarFileInfo", ""},
        {2, "Translation", "04b00411"}};
    EXPECT_EQ(nodes, expected);
}

} // namespace
