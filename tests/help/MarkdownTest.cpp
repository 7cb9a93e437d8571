// SPDX-License-Identifier: MIT
// Help-file Markdown as the Windows help engine reads it: each construct, the widest table,
// any bytes.
#include "helpfile/Markdown.h"

#include <gtest/gtest.h>

#include <random>

namespace zamut::helpfile {
namespace {

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
