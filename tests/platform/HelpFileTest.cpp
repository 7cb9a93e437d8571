#include "platform/helpengine/HelpFile.h"

#include <QFile>
#include <QTemporaryDir>

#include "tests/platform/QtPrinters.h"

#include <gtest/gtest.h>

namespace zamut {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(HelpFile, MissingFileIsNamedWithThePlacesSearched) {
    QTemporaryDir root;
    const HelpContent content = OpenHelp("help.hlp", {root.path()});
    EXPECT_FALSE(content.ok);
    EXPECT_EQ(content.path, "help.hlp");
    EXPECT_TRUE(
        content.text.startsWith(QStringLiteral("ヘルプ ファイル「help.hlp」が見つかりません。")));
    EXPECT_TRUE(content.text.contains(root.path()));
}

TEST(HelpFile, OnlyUtf8TextOfSensibleSizeIsAccepted) {
    QTemporaryDir root;
    const struct {
        const char* name;
        QByteArray bytes;
        bool ok;
    } cases[] = {
        {"markdown", "# 見出し\n\n本文\tです。\r\n", true},
        {"with-bom", "\xEF\xBB\xBF# 見出し\n", true},
        {"empty", "", false},
        {"blank", " \n\t\n", false},
        {"invalid-utf8", "# \xFF\xFE 見出し\n", false},
        {"truncated-utf8", "# \xE8\xA6", false},
        {"binary",
         QByteArray("\x7F"
                    "ELF\x02\x01\x01\x00\x00\x00",
                    10),
         false},
        {"control-chars", "# a\x01\x02\n", false},
        {"oversized", QByteArray((1 << 20) + 1, 'a'), false},
    };
    for (const auto& c : cases) {
        const QString path = root.filePath(c.name);
        Write(path, c.bytes);
        const HelpContent content = LoadHelpFile(path);
        EXPECT_EQ(content.ok, c.ok) << c.name;
        EXPECT_EQ(content.path, path);
        if (!c.ok) {
            EXPECT_TRUE(content.text.contains(QStringLiteral("「%1」").arg(path))) << c.name;
        }
    }
    EXPECT_EQ(LoadHelpFile(root.filePath("with-bom")).text, "# 見出し\n");
    EXPECT_FALSE(LoadHelpFile(root.path()).ok) << "a folder is no help file";
}

TEST(HelpFile, ShippedHelpFileLoadsAndUsesTheGamesTexts) {
    const HelpContent content = LoadHelpFile(ZAMUT_HELP_SOURCE);
    ASSERT_TRUE(content.ok) << content.text.toStdString();
    for (const char* text :
         {"あなたの勝ちです", "あなたの負けです", "引き分けです",
          "あなたはすごいです！！アカギと呼ばせてください", "ゲーム", "新規ゲーム", "終了",
          "ヘルプ", "ザムトについて", "バージョン", "１回戦"}) {
        EXPECT_TRUE(content.text.contains(QString::fromUtf8(text))) << text;
    }
}

} // namespace
} // namespace zamut
