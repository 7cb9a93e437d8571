// SPDX-License-Identifier: MIT
// Both help engines read the shipped help file alike: the Windows engine's reader against Qt's.
#include "helpfile/Markdown.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <gtest/gtest.h>

namespace zamut::helpfile {
namespace {

std::string text(const Inline& spans) {
    std::string out;
    for (const Span& span : spans) {
        out += span.text; // Qt drops the ** marks too
    }
    return out;
}

// Headings, list items and table rows in order, as "h2 text", "- text" and "| cell| cell".
std::vector<std::string> outline(const std::vector<Block>& blocks) {
    std::vector<std::string> lines;
    for (const Block& block : blocks) {
        if (block.kind == Block::Kind::Heading) {
            lines.push_back("h" + std::to_string(block.level) + " " + text(block.text));
        } else if (block.kind == Block::Kind::Bullet || block.kind == Block::Kind::Numbered) {
            lines.push_back("- " + text(block.text));
        }
        for (const std::vector<Inline>& row : block.rows) {
            lines.emplace_back();
            for (const Inline& cell : row) {
                lines.back() += "| " + text(cell);
            }
        }
    }
    return lines;
}

std::vector<std::string> outline(const QTextDocument& document) {
    std::vector<std::string> lines;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (const auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            for (int row = 0; row < table->rows(); ++row) {
                lines.emplace_back();
                for (int column = 0; column < table->columns(); ++column) {
                    lines.back() += "| ";
                    const QTextTableCell cell = table->cellAt(row, column);
                    for (auto inCell = cell.begin(); !inCell.atEnd(); ++inCell) {
                        lines.back() += inCell.currentBlock().text().toStdString();
                    }
                }
            }
        } else if (const int level = block.blockFormat().headingLevel(); level > 0) {
            lines.push_back("h" + std::to_string(level) + " " + block.text().toStdString());
        } else if (block.textList() != nullptr) {
            lines.push_back("- " + block.text().toStdString());
        }
    }
    return lines;
}

TEST(ReadMarkdown, AgreesWithQtOnTheShippedHelpFile) {
    QFile file(ZAMUT_HELP_SOURCE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray markdown = file.readAll();
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(markdown),
                         QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub) |
                             QTextDocument::MarkdownNoHTML);

    const std::vector<std::string> ours = outline(readMarkdown(markdown.toStdString()));
    EXPECT_EQ(ours.size(), 29u); // 7 headings, 17 items, the table's 5 rows
    EXPECT_EQ(ours, outline(document));
}

} // namespace
} // namespace zamut::helpfile
