// SPDX-License-Identifier: MIT
// Japanese line breaking on UTF-16 text, the encoding of both toolkits.
#include "textlayout/LineBreak.h"

namespace zamut {

namespace {

// CJK radicals onwards: kana, kanji, full-width forms. Surrogates fall here
// too, which keeps the rare characters outside the BMP breakable.
bool isJapanese(char16_t c) {
    return c >= 0x2E80;
}

bool isSpace(char16_t c) {
    return c == u' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

bool startsNoLine(char16_t c) {
    return std::u16string_view(u"、。，．）」』ー").find(c) != std::u16string_view::npos;
}

} // namespace

bool mayBreakBefore(std::u16string_view text, std::size_t at) {
    const char16_t before = text[at - 1];
    const char16_t after = text[at];
    return !startsNoLine(after) && (isSpace(before) || isJapanese(before) || isJapanese(after));
}

std::vector<std::u16string_view> breakLines(std::u16string_view text, int width,
                                            const MeasureText& measure) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.size();
        std::size_t lastBreak = 0; // none yet: a break is always after start
        for (std::size_t at = start + 1; at < text.size(); ++at) {
            if (!mayBreakBefore(text, at)) {
                continue;
            }
            if (measure(text.substr(start, at - start)) > width) {
                end = lastBreak > start ? lastBreak : at;
                break;
            }
            lastBreak = at;
        }
        if (end == text.size() && lastBreak > start && measure(text.substr(start)) > width) {
            end = lastBreak;
        }
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace zamut
