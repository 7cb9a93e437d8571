// SPDX-License-Identifier: MIT
// The help-file rules without a window: where a file is found and which files
// are refused; and its Markdown as the Windows help engine reads it: each
// construct, the widest table, any bytes.
#include "helpfile/HelpFile.h"
#include "helpfile/Markdown.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <random>

namespace zamut::helpfile {
namespace {

namespace fs = std::filesystem;

class HelpFileRules : public testing::Test {
protected:
    HelpFileRules() { fs::create_directories(root_); }
    ~HelpFileRules() override { fs::remove_all(root_); }

    fs::path put(const fs::path& name, const std::string& bytes) {
        const fs::path path = root_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    const fs::path root_ =
        fs::temp_directory_path() / ("helpfile-" + std::to_string(std::random_device()()));
};

TEST(HelpFile, ShippedHelpFileLoadsAndUsesTheGamesTexts) {
    const Content content = load(ZAMUT_HELP_SOURCE);
    ASSERT_TRUE(content.ok) << content.text;
    for (const char* text :
         {"あなたの勝ちです", "あなたの負けです", "引き分けです",
          "あなたはすごいです！！アカギと呼ばせてください", "ゲーム", "新規ゲーム", "終了",
          "ヘルプ", "ザムトについて", "バージョン", "１回戦"}) {
        EXPECT_NE(content.text.find(text), std::string::npos) << text;
    }
}

// Only a regular file counts: a folder, a pipe (which would block the
// reader) or a broken link of that name does not end the search.
TEST_F(HelpFileRules, FindTakesTheFirstRegularFileFollowingLinks) {
    const fs::path folder = root_ / "1", pipe = root_ / "2", broken = root_ / "3",
                   linked = root_ / "4", last = root_ / "5";
    fs::create_directories(folder / "help.hlp");
    fs::create_directories(pipe);
    ASSERT_EQ(::mkfifo((pipe / "help.hlp").c_str(), 0600), 0);
    fs::create_directories(broken);
    fs::create_symlink("nowhere", broken / "help.hlp");
    fs::create_directories(linked);
    fs::create_symlink(put("5/help.hlp", "# ヘルプ\n"), linked / "help.hlp");

    EXPECT_EQ(find("help.hlp", {folder, pipe, broken, linked, last}), linked / "help.hlp");
    const Content content = open(pipe / "help.hlp", {last}); // a path given as is
    EXPECT_FALSE(content.ok);
    EXPECT_NE(content.text.find("が見つかりません"), std::string::npos) << content.text;
}

// The engine's own folder, the data folder beside it, then the current
// folder: a help file where the game was started never hides the game's.
TEST_F(HelpFileRules, SearchesEachFolderOnceInOrder) {
    const fs::path here = fs::current_path();
    const fs::path bin = root_ / "bin";
    EXPECT_EQ(searchDirs(bin),
              (std::vector{bin, (bin / ZAMUT_HELP_DATA_DIR).lexically_normal(), here}));
    const std::vector<fs::path> dirs = searchDirs(here);
    ASSERT_EQ(dirs.size(), 2u) << "the current folder is the engine's";
    EXPECT_EQ(open("missing.hlp", dirs).text,
              "ヘルプ ファイル「missing.hlp」が見つかりません。\n\n次の場所を探しました:\n  " +
                  here.string() + "\n  " + dirs[1].string());
}

TEST_F(HelpFileRules, LoadsUtf8TextWithinTheCapsAndRefusesTheRest) {
    const std::string fullBytes = std::string(MaxBytes - 1, 'a') + "\n";
    std::string fullLines;
    for (std::size_t i = 0; i < MaxLines; ++i)
        fullLines += "-\n";
    const struct {
        std::string bytes;
        const char* reason; // nullptr: shown
    } cases[] = {
        {"\xEF\xBB\xBF# ザムト\r\n\n\t本文 \xF0\x9F\x80\x99\r\n", nullptr},
        {fullBytes, nullptr},
        {fullLines, nullptr},
        {fullBytes + "a", "ファイルが大きすぎます"},
        {fullLines + "-", "ファイルが大きすぎます"},
        {"", "ファイルが空です"},
        {"\xEF\xBB\xBF \r\n\t\n", "ファイルが空です"},
        {"# \xFF\xFE 見出し\n", "UTF-8"},
        {"\xE0\x80\xAF", "UTF-8"},         // overlong '/'
        {"\xED\xA0\x80", "UTF-8"},         // surrogate
        {"\xF4\x90\x80\x80", "UTF-8"},     // past U+10FFFF
        {std::string("a\0b", 3), "UTF-8"}, // a control character
    };
    for (const auto& [bytes, reason] : cases) {
        const fs::path path = put("help.hlp", bytes);
        const Content content = load(path);
        const std::string shown = bytes.substr(0, 12);
        EXPECT_EQ(content.ok, reason == nullptr) << shown << ": " << content.text;
        if (reason == nullptr) {
            EXPECT_EQ(content.text, bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
        } else {
            EXPECT_TRUE(content.text.starts_with("ヘルプ ファイル「" + path.string() +
                                                 "」を表示できません。"))
                << content.text;
            EXPECT_NE(content.text.find(reason), std::string::npos)
                << shown << ": " << content.text;
        }
    }
}

// Strong runs in brackets; an empty span shows, as it must not be there.
std::string show(const Inline& text) {
    std::string out;
    for (const Span& span : text) {
        out += span.text.empty() ? "<empty>" : span.strong ? "[" + span.text + "]" : span.text;
    }
    return out;
}

// One line a block: kind, level, number and text; a table's alignments and rows.
std::string show(std::string_view markdown) {
    std::string out;
    for (const Block& block : readMarkdown(markdown)) {
        out += "hp-nt"[static_cast<int>(block.kind)] + std::to_string(block.level) +
               (block.number.empty() ? "" : " " + block.number) + ":" + show(block.text);
        for (const Align align : block.align) {
            out += "LCR"[static_cast<int>(align)];
        }
        for (const std::vector<Inline>& row : block.rows) {
            out += "/";
            for (std::size_t column = 0; column < row.size(); ++column) {
                out += (column > 0 ? ";" : "") + show(row[column]);
            }
        }
        out += "\n";
    }
    return out;
}

TEST(ReadMarkdown, ReadsEachConstructTheSameWithLfAndCrLf) {
    const struct {
        std::string_view markdown, blocks;
    } cases[] = {
        {"", ""},
        {"# A\n## B ##\n### C#\n####  D\n#x\n#\n   # E\n    # F",
         "h1:A\nh2:B\nh3:C#\np0:####  D #x\nh1:\nh1:E\np0:# F\n"},
        {"- a\n* b\n +  c\n  - d\n     - e\n\t+ f\n          * g\n-x\n- ",
         "-1:a\n-1:b\n-1:c\n-2:d\n-2:e\n-2:f\n-2:g -x\n-1:\n"},
        {"1. a\n2) b\n  10. c\n123456789. d\n1234567890. e\n1.x\n3.\n\t7) f",
         "n1 1.:a\nn1 2):b\nn2 10.:c\nn1 123456789.:d 1234567890. e 1.x 3.\nn2 7):f\n"},
        {"one\n  two  \nthree\n \t \nfour", "p0:one two three\np0:four\n"},
        // No space where a wrapped line joins Japanese (or other wide) text.
        {"日本語の\n文章です。\nABC\nかな\ncafé\nnoir\n𠀋\nx\nＦ\ny",
         "p0:日本語の文章です。ABCかなcafé noir𠀋xＦy\n"},
        {"- 項目の\n  続き\ntext\n# H\ntext\n1. n\n| a |\n|---|\nafter",
         "-1:項目の続きtext\nh1:H\np0:text\nn1 1.:n\nt0:L/a\np0:after\n"},
        {"a **b** c\n\n**a\nb**\n\na ** b** **c **\n\n**a\n\n**** x\n\n**a****b**\n\n**a**b**\n\n"
         "**メニュー**の「**ゲーム**」",
         "p0:a [b] c\np0:[a b]\np0:a ** b** **c **\np0:**a\np0:**** x\np0:[ab]\np0:[a]b**\n"
         "p0:[メニュー]の「[ゲーム]」\n"},
        {"{\\rtf1\\b x}\n*x* _y_ `c` [l](u) <b>h</b> \\*\n> q\n```\ncode\n```\na\rb",
         "p0:{\\rtf1\\b x} *x* _y_ `c` [l](u) <b>h</b> \\* > q ``` code ``` a\rb\n"},
        {"| L | C | R | D |\n|:--|:-:|--:|---|\n| 1 | 2 \\| 3 |\n| a | b | c | d | e |\n"
         "|**x**| \\\n   |y\ntext",
         "t0:LCRL/L;C;R;D/1;2 | 3;;/a;b;c;d/[x];\\;;/y;;;\np0:text\n"},
        {"| a |\n| b |\n\n| a |\n|:|\n\n| a |\n| -x- |\n\n    | a |\n    |---|",
         "p0:| a | | b |\np0:| a | |:|\np0:| a | | -x- |\np0:| a | |---|\n"},
    };
    for (const auto& [markdown, blocks] : cases) {
        std::string crlf;
        for (const char c : markdown) {
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        EXPECT_EQ(show(markdown), blocks) << markdown;
        EXPECT_EQ(show(crlf), blocks) << markdown;
    }
}

// A table as wide as a file within the caps allows is cut to 32 columns, not
// padded into hundreds of megabytes. The costliest files' time is
// bench/help_wine.sh's; the other shapes it times read as the construct table says.
TEST(ReadMarkdown, CutsTheWidestTableToThirtyTwoColumns) {
    std::string markdown = "|\n";
    for (int column = 0; column < 10'000; ++column)
        markdown += "|-";
    for (int row = 0; row < 990; ++row)
        markdown += "\n|";
    const std::vector<Block> blocks = readMarkdown(markdown);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].rows.size(), 991u);
    EXPECT_EQ(blocks[0].rows[990].size(), 32u);
}

// Any bytes at all: read within bounds (the sanitizer build checks) into well-formed blocks.
TEST(ReadMarkdown, KeepsItsShapeOnAnyBytes) {
    std::mt19937 random(7);
    const std::string_view alphabet = "#-*+1.)|:\\ \t\r\n\xe3\x81\x82\xf0\x80xy";
    for (int round = 0; round < 3'000; ++round) {
        std::string markdown;
        for (std::size_t size = random() % 120; markdown.size() < size;) {
            markdown += alphabet[random() % alphabet.size()];
        }
        for (const Block& block : readMarkdown(markdown)) {
            EXPECT_LE(block.level, block.kind == Block::Kind::Heading ? 3 : 2);
            EXPECT_EQ(show(block.text).find("<empty>"), std::string::npos) << markdown;
            for (const std::vector<Inline>& row : block.rows) {
                EXPECT_EQ(row.size(), block.align.size());
            }
        }
    }
}

} // namespace
} // namespace zamut::helpfile
