// SPDX-License-Identifier: MIT
// A help file's Markdown as blocks, for the help engine that has no Markdown reader of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zamut::helpfile {

// A run of a line's text, strong (bold) or not.
struct Span {
    std::string text; // UTF-8, without Markdown marks
    bool strong = false;
    bool operator==(const Span&) const = default;
};

using Inline = std::vector<Span>;

enum class Align { Left, Center, Right };

struct Block {
    enum class Kind { Heading, Paragraph, Bullet, Numbered, Table };
    Kind kind = Kind::Paragraph;
    int level = 0; // heading 1..3; list item 1, or 2 when nested; else 0
    std::string
        number;  // a numbered item's number as written, with its mark ("1." / "2)"); else empty
    Inline text; // heading, paragraph or list item
    std::vector<Align> align;              // table: one per column
    std::vector<std::vector<Inline>> rows; // table: the header row first, then the body rows; each
                                           // row one Inline per column
    bool operator==(const Block&) const = default;
};

// The blocks of a help file's text, in order. Only what help files use is
// Markdown here: headings (# to ###), bullet and numbered items two levels
// deep, pipe tables (of up to 32 columns) and **strong** text; anything else stays as typed. Takes
// time linear in the text and never throws but for want of memory.
std::vector<Block> readMarkdown(std::string_view markdown);

} // namespace zamut::helpfile
