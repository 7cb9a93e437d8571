// The Windows resource script as the resource compiler builds it, read back
// field by field from the compiled .res file.

#include "app/AppInfo.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// Readable failure messages for the string table.
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

#ifdef ZAMUT_RES_FILE

template <typename T> T at(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

qsizetype align4(qsizetype offset) {
    return (offset + 3) & ~qsizetype(3);
}

constexpr quint16 RtIcon = 3;
constexpr quint16 RtGroupIcon = 14;
constexpr quint16 RtVersion = 16;

struct Resource {
    quint16 type;
    quint16 name;
    quint16 language;
    QByteArray data;
};

// The resources of a .res file: a header of each (type and name as ordinals,
// language) followed by its data, each DWORD-aligned; the first is empty.
std::vector<Resource> readResources(const QByteArray& bytes) {
    std::vector<Resource> resources;
    for (qsizetype start = 0; start + 32 <= bytes.size();) {
        const auto dataSize = at<quint32>(bytes, start);
        const auto headerSize = at<quint32>(bytes, start + 4);
        const bool ordinals =
            at<quint16>(bytes, start + 8) == 0xffff && at<quint16>(bytes, start + 12) == 0xffff;
        EXPECT_TRUE(ordinals || dataSize == 0) << "named resource at " << start;
        if (dataSize > 0)
            resources.push_back({at<quint16>(bytes, start + 10), at<quint16>(bytes, start + 14),
                                 at<quint16>(bytes, start + 22),
                                 bytes.mid(start + headerSize, dataSize)});
        start = align4(start + headerSize + dataSize);
    }
    return resources;
}

// One node of a version block: a key, a text (type 1) or binary value, and
// child nodes.
struct VersionNode {
    QString key;
    quint16 type;
    QByteArray value;
    std::vector<VersionNode> children;

    QString text() const {
        QString s = QString::fromUtf16(reinterpret_cast<const char16_t*>(value.constData()),
                                       value.size() / 2);
        return s.endsWith(QChar(0)) ? s.chopped(1) : s;
    }
};

VersionNode readNode(const QByteArray& bytes, qsizetype start) {
    const auto length = at<quint16>(bytes, start);
    const auto valueLength = at<quint16>(bytes, start + 2);
    VersionNode node{{}, at<quint16>(bytes, start + 4), {}, {}};
    qsizetype p = start + 6;
    for (; at<char16_t>(bytes, p) != 0; p += 2)
        node.key += QChar(at<char16_t>(bytes, p));
    p = align4(p + 2);
    const qsizetype valueBytes = node.type == 1 ? 2 * valueLength : valueLength;
    node.value = bytes.mid(p, valueBytes);
    for (p = align4(p + valueBytes); p < start + length; p = align4(p + at<quint16>(bytes, p)))
        node.children.push_back(readNode(bytes, p));
    return node;
}

class CompiledResources : public testing::Test {
protected:
    void SetUp() override {
        QFile file(ZAMUT_RES_FILE);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        resources = readResources(file.readAll());
        ASSERT_EQ(resources.size(), 3U);
    }

    const Resource& find(quint16 type) const {
        for (const Resource& r : resources)
            if (r.type == type)
                return r;
        throw std::runtime_error("no resource of type " + std::to_string(type));
    }

    std::vector<Resource> resources;
};

TEST_F(CompiledResources, IconImageAndGroupWithoutLanguage) {
    QFile ico(ZAMUT_RES_DIR "/icon/zamut.ico");
    ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
    const QByteArray icoBytes = ico.readAll();

    const Resource& image = find(RtIcon);
    EXPECT_EQ(image.name, 30001);
    EXPECT_EQ(image.language, 0);
    EXPECT_EQ(image.data.size(), 2216);
    EXPECT_EQ(image.data, icoBytes.mid(22));

    const Resource& group = find(RtGroupIcon);
    EXPECT_EQ(group.name, 1);
    EXPECT_EQ(group.language, 0);
    ASSERT_EQ(group.data.size(), 6 + 14);
    EXPECT_EQ(group.data.left(6), icoBytes.left(6)); // one icon image
    EXPECT_EQ(group.data.mid(6, 12), icoBytes.mid(6, 12));
    EXPECT_EQ(at<quint16>(group.data, 18), 30001);
}

TEST_F(CompiledResources, VersionBlockRepeatsAppInfo) {
    const Resource& version = find(RtVersion);
    EXPECT_EQ(version.name, 1);
    EXPECT_EQ(version.language, zamut::AppInfo.Locale);
    const VersionNode root = readNode(version.data, 0);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");

    ASSERT_EQ(root.value.size(), 52);
    const auto field = [&](int i) { return at<quint32>(root.value, 4 * i); };
    EXPECT_EQ(field(0), 0xfeef04bdU);
    const auto ms = quint32(zamut::AppInfo.Major << 16 | zamut::AppInfo.Minor);
    const auto ls = quint32(zamut::AppInfo.Revision << 16);
    EXPECT_EQ(field(2), ms) << "file version";
    EXPECT_EQ(field(3), ls);
    EXPECT_EQ(field(4), ms) << "product version";
    EXPECT_EQ(field(5), ls);
    EXPECT_EQ(field(6), 0U) << "flags mask";
    EXPECT_EQ(field(7), 0U) << "flags";
    EXPECT_EQ(field(8), 4U) << "32-bit Windows";
    EXPECT_EQ(field(9), 1U) << "application";
    EXPECT_EQ(field(10), 0U) << "subtype";
    EXPECT_EQ(field(11), 0U) << "date";
    EXPECT_EQ(field(12), 0U);

    ASSERT_EQ(root.children.size(), 2U);
    const VersionNode& strings = root.children[0];
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1U);
    EXPECT_EQ(strings.children[0].key, "041104B0");
    const QString title = QString::fromUtf8(zamut::AppInfo.Title);
    const QString exe = QString::fromUtf8(zamut::AppInfo.ExeName);
    const QString versionText =
        QString("%1.%2").arg(zamut::AppInfo.Major).arg(zamut::AppInfo.Minor, 2, 10, QChar('0'));
    const std::vector<std::pair<QString, QString>> expected{{"ProductName", title},
                                                            {"FileVersion", versionText},
                                                            {"ProductVersion", versionText},
                                                            {"InternalName", exe},
                                                            {"OriginalFilename", exe + ".exe"}};
    std::vector<std::pair<QString, QString>> actual;
    for (const VersionNode& entry : strings.children[0].children) {
        EXPECT_EQ(entry.type, 1) << entry.key.toStdString();
        actual.emplace_back(entry.key, entry.text());
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(versionText, "1.00");
    EXPECT_EQ(exe + ".exe", "ザムト.exe");

    const VersionNode& vars = root.children[1];
    EXPECT_EQ(vars.key, "VarFileInfo");
    ASSERT_EQ(vars.children.size(), 1U);
    EXPECT_EQ(vars.children[0].key, "Translation");
    EXPECT_EQ(vars.children[0].value, QByteArray::fromHex("1104b004")); // 0x0411, 1200
}

#else

TEST(CompiledResources, NeedTheResourceCompiler) {
    GTEST_SKIP() << "x86_64-w64-mingw32-windres was not found when configuring";
}

#endif

} // namespace
