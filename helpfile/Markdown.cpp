// SPDX-License-Identifier: MIT
// Reading a help file's Markdown into blocks, in plain standard C++ for the Windows help engine.
#include "helpfile/Markdown.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace zamut::helpfile {
namespace {

// Every row of a table is padded to its columns, so a thousand short rows under
// an alignment row of thousands of columns would need hundreds of megabytes. No
// help page needs a table wider than this; columns past it are dropped.
constexpr std::size_t MaxColumns = 32;

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// The code point `bytes` start with. The loader lets only UTF-8 through; other
// bytes give some code point, read within bounds.
char32_t firstCodePoint(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes.front());
    const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    char32_t code = length == 1 ? lead : lead & (0x7fu >> length);
    for (std::size_t k = 1; k < std::min(length, bytes.size()); ++k) {
        code = (code << 6) | (static_cast<unsigned char>(bytes[k]) & 0x3fu);
    }
    return code;
}

char32_t lastCodePoint(std::string_view text) {
    std::size_t at = text.size() - 1;
    while (at > 0 && at + 4 > text.size() &&
           (static_cast<unsigned char>(text[at]) & 0xc0u) == 0x80u) {
        --at;
    }
    return firstCodePoint(text.substr(at));
}

// Characters of Japanese and Chinese text, which runs on without spaces: a
// line wrapped next to one of them is joined without one.
bool isWide(char32_t c) {
    return (c >= 0x2e80 && c <= 0x9fff) || (c >= 0xf900 && c <= 0xfaff) ||
           (c >= 0xfe30 && c <= 0xfe4f) || (c >= 0xff00 && c <= 0xffef) ||
           (c >= 0x20000 && c <= 0x3ffff);
}

void joinLine(std::string& text, std::string_view line) {
    if (!text.empty() && !isWide(lastCodePoint(text)) && !isWide(firstCodePoint(line))) {
        text += ' ';
    }
    text += line;
}

void append(Inline& spans, std::string_view text, bool strong) {
    if (text.empty()) {
        return;
    }
    if (!spans.empty() && spans.back().strong == strong) {
        spans.back().text += text;
    } else {
        spans.push_back({std::string(text), strong});
    }
}

// `**` opens a strong run when text follows it and closes one when text comes
// before it, as in CommonMark, so "a ** b" and "****" stay as typed. An opener
// that finds no closer stays as typed too. One pass, nothing nested.
Inline readInline(std::string_view text) {
    Inline spans;
    std::size_t plainFrom = 0;
    std::size_t opener = std::string_view::npos;
    for (std::size_t at = 0; at + 1 < text.size();) {
        if (text[at] != '*' || text[at + 1] != '*') {
            ++at;
            continue;
        }
        const bool textBefore = at > 0 && !isSpace(text[at - 1]);
        const bool textAfter = at + 2 < text.size() && !isSpace(text[at + 2]);
        if (opener != std::string_view::npos && textBefore && at > opener + 2) {
            append(spans, text.substr(plainFrom, opener - plainFrom), false);
            append(spans, text.substr(opener + 2, at - opener - 2), true);
            plainFrom = at + 2;
            opener = std::string_view::npos;
        } else if (textAfter) {
            opener = at;
        }
        at += 2;
    }
    append(spans, text.substr(plainFrom), false);
    return spans;
}

// A heading or list item that `line` starts, its text left in `text`.
std::optional<Block> readLineStart(std::string_view line, std::string_view& text) {
    const std::size_t indent = line.find_first_not_of(" \t");
    if (indent == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = line.substr(indent);
    Block block;
    if (indent <= 3 && line.find('\t') >= indent && rest.front() == '#') {
        const std::size_t level = std::min(rest.find_first_not_of('#'), rest.size());
        if (level > 3 || (level < rest.size() && !isSpace(rest[level]))) {
            return std::nullopt;
        }
        text = trim(rest.substr(level));
        const std::size_t closing = text.find_last_not_of('#') + 1; // 0 when all #s
        if (closing == 0 || isSpace(text[closing - 1])) {
            text = trim(text.substr(0, closing));
        }
        block.kind = Block::Kind::Heading;
        block.level = static_cast<int>(level);
        return block;
    }
    const std::size_t digits = std::min(rest.find_first_not_of("0123456789"), rest.size());
    std::size_t marker = 1;
    if (digits >= 1 && digits <= 9 && digits < rest.size() &&
        (rest[digits] == '.' || rest[digits] == ')')) {
        block.kind = Block::Kind::Numbered;
        block.number = rest.substr(0, digits + 1);
        marker = digits + 1;
    } else if (rest.front() == '-' || rest.front() == '*' || rest.front() == '+') {
        block.kind = Block::Kind::Bullet;
    } else {
        return std::nullopt;
    }
    if (rest.size() <= marker || !isSpace(rest[marker])) {
        return std::nullopt;
    }
    // Help files nest lists one level, so any indent of two or more is nested.
    block.level =
        indent >= 2 || line.substr(0, indent).find('\t') != std::string_view::npos ? 2 : 1;
    text = trim(rest.substr(marker));
    return block;
}

bool isTableLine(std::string_view line) {
    const std::size_t indent = line.find_first_not_of(' ');
    return indent <= 3 && line[indent] == '|';
}

// A table line's first `columns` cells at most: split at each `|` but `\|`, the
// outer pipes dropped.
std::vector<std::string> readCells(std::string_view line, std::size_t columns) {
    line = trim(line).substr(1);
    std::vector<std::string> cells(1);
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '\\' && at + 1 < line.size() && line[at + 1] == '|') {
            cells.back() += line[++at];
        } else if (line[at] != '|') {
            cells.back() += line[at];
        } else if (at + 1 == line.size() || cells.size() == columns) {
            break; // the closing pipe, or the cells past the last column
        } else {
            cells.emplace_back();
        }
    }
    for (std::string& cell : cells) {
        cell = std::string(trim(cell));
    }
    return cells;
}

// The columns' alignments, or none when `line` is not an alignment row.
std::vector<Align> readAlignRow(std::string_view line) {
    std::vector<Align> align;
    for (const std::string& cell :
         isTableLine(line) ? readCells(line, MaxColumns) : std::vector<std::string>{}) {
        const bool left = cell.starts_with(':');
        const bool right = cell.size() > 1 && cell.ends_with(':');
        const std::string_view dashes =
            std::string_view(cell).substr(left, cell.size() - left - right);
        if (dashes.empty() || dashes.find_first_not_of('-') != std::string_view::npos) {
            return {};
        }
        align.push_back(left && right ? Align::Center : right ? Align::Right : Align::Left);
    }
    return align;
}

bool startsTable(const std::vector<std::string_view>& lines, std::size_t at) {
    return isTableLine(lines[at]) && at + 1 < lines.size() && !readAlignRow(lines[at + 1]).empty();
}

// The table that starts at `lines[at]`, with `at` moved past it. Each row has
// as many cells as the alignment row.
Block readTable(const std::vector<std::string_view>& lines, std::size_t& at) {
    Block table;
    table.kind = Block::Kind::Table;
    table.align = readAlignRow(lines[at + 1]);
    for (const std::size_t header = at; at < lines.size() && isTableLine(lines[at]); ++at) {
        if (at == header + 1) {
            continue; // the alignment row
        }
        const std::vector<std::string> cells = readCells(lines[at], table.align.size());
        std::vector<Inline>& row = table.rows.emplace_back(table.align.size());
        for (std::size_t column = 0; column < cells.size(); ++column) {
            row[column] = readInline(cells[column]);
        }
    }
    return table;
}

} // namespace

std::vector<Block> readMarkdown(std::string_view markdown) {
    const std::vector<std::string_view> lines = splitLines(markdown);
    std::vector<Block> blocks;
    std::size_t at = 0;
    while (at < lines.size()) {
        if (trim(lines[at]).empty()) {
            ++at;
            continue;
        }
        if (startsTable(lines, at)) {
            blocks.push_back(readTable(lines, at));
            continue;
        }
        std::string_view first = trim(lines[at]);
        Block block = readLineStart(lines[at], first).value_or(Block{});
        std::string text(first);
        // Wrapped lines of a paragraph or list item, up to whatever starts a block.
        for (++at;
             block.kind != Block::Kind::Heading && at < lines.size() && !trim(lines[at]).empty();
             ++at) {
            std::string_view ignored;
            if (readLineStart(lines[at], ignored) || startsTable(lines, at)) {
                break;
            }
            joinLine(text, trim(lines[at]));
        }
        block.text = readInline(text);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

} // namespace zamut::helpfile
