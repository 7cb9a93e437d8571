// SPDX-License-Identifier: MIT
// The help window: the help file's Markdown laid out as rich text that we
// write ourselves, every character of the file escaped.

#include "windows/help/HelpView.h"

#include "design/Texts.h"
#include "helpfile/Markdown.h"
#include "windows/widgets/GameFont.h"
#include "windows/widgets/Module.h"

#include <richedit.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zamut::win {

namespace {

using helpfile::Block;

constexpr wchar_t ClassName[] = L"ZamutHelp";
// Marks the window of a file, so that a second request finds it.
constexpr wchar_t FileProperty[] = L"ZamutHelpFile";

// Sizes in points, distances in twips.
constexpr int BodyPoints = 10;
constexpr int HeadingPoints[] = {16, 13, 11};
constexpr int Margin = 120;      // left of every paragraph
constexpr int LevelIndent = 280; // a nested list item's further indent
constexpr int MarkerGap = 120;   // between a list item's mark and its text
constexpr int ColumnGap = 360;   // between a table's columns
// The rich edit measures a run again from its start each time it breaks a
// line in it: a paragraph-long run costs time quadratic in its length (a
// 64 KB paragraph, half a minute). Runs of at most this many characters keep
// it linear; an invisible attribute (protection, in a read-only control)
// alternates between them so that they are never joined again.
constexpr std::size_t LongestRun = 128;

// Text widths in twips, measured with the game font at the body size.
class Measure {
public:
    Measure() : dc_(CreateCompatibleDC(nullptr)), dpi_(GetDeviceCaps(dc_, LOGPIXELSY)) {
        fonts_[0] = createGameFont(MulDiv(BodyPoints, dpi_, 72), false);
        fonts_[1] = createGameFont(MulDiv(BodyPoints, dpi_, 72), true);
    }
    ~Measure() {
        DeleteObject(fonts_[0]);
        DeleteObject(fonts_[1]);
        DeleteDC(dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    int operator()(const std::wstring& text, bool bold) const {
        const HGDIOBJ old = SelectObject(dc_, fonts_[bold ? 1 : 0]);
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc_, old);
        return MulDiv(size.cx, 1440, dpi_);
    }

private:
    HDC dc_;
    int dpi_;
    HFONT fonts_[2] = {};
};

// The page as rich text that we write ourselves: every character of the
// file goes in escaped, as text, so nothing in it is ever read as a control
// word, a group or an object.
class RichText {
public:
    // Paragraph formats: indents and tab stops in twips.
    struct Paragraph {
        int indent = Margin;
        int hanging = 0; // lines after the first start this much further in
        std::vector<std::pair<int, helpfile::Align>> tabs;
        int spaceBefore = 0;
        int spaceAfter = 120;
    };

    void paragraph(const Paragraph& format) {
        rtf_ += started_ ? "\\par\\pard" : "\\pard";
        started_ = true;
        rtf_ += "\\li" + std::to_string(format.indent + format.hanging) + "\\fi" +
                std::to_string(-format.hanging) + "\\sb" + std::to_string(format.spaceBefore) +
                "\\sa" + std::to_string(format.spaceAfter);
        for (const auto& [at, align] : format.tabs) {
            rtf_ += align == helpfile::Align::Center  ? "\\tqc"
                    : align == helpfile::Align::Right ? "\\tqr"
                                                      : "";
            rtf_ += "\\tx" + std::to_string(at);
        }
        rtf_ += ' ';
    }

    void text(std::wstring_view text, bool bold = false, int points = BodyPoints) {
        rtf_ += "{\\fs" + std::to_string(points * 2) + (bold ? "\\b " : "\\b0 ");
        for (const wchar_t c : text) {
            if (runLength_ == LongestRun && !IS_LOW_SURROGATE(c)) {
                alternate_ = !alternate_;
                rtf_ += alternate_ ? "\\cf2 " : "\\cf1 ";
                runLength_ = 0;
            }
            ++runLength_;
            if (c == L'\\' || c == L'{' || c == L'}') {
                rtf_ += '\\';
                rtf_ += static_cast<char>(c);
            } else if (c == L'\t') {
                rtf_ += "\\tab ";
            } else if (c >= 0x20 && c < 0x7f) {
                rtf_ += static_cast<char>(c);
            } else if (c < 0x20) {
                rtf_ += ' '; // a carriage return alone on a line: no break
            } else {
                rtf_ += "\\u" + std::to_string(static_cast<std::int16_t>(c)) + ' ';
            }
        }
        rtf_ += '}';
    }

    void text(const helpfile::Inline& spans, bool bold = false, int points = BodyPoints) {
        for (const helpfile::Span& span : spans) {
            text(widen(span.text), bold || span.strong, points);
        }
    }

    // \uc0: no stand-in characters follow a \u.
    std::string document() const {
        const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
        const auto colour = [](int red, int green, int blue) {
            return "\\red" + std::to_string(red) + "\\green" + std::to_string(green) + "\\blue" +
                   std::to_string(blue) + ";";
        };
        const int blue = GetBValue(text);
        return "{\\rtf1\\ansi\\uc0{\\colortbl;" + colour(GetRValue(text), GetGValue(text), blue) +
               colour(GetRValue(text), GetGValue(text), blue < 255 ? blue + 1 : blue - 1) +
               "}\\cf1 " + rtf_ + "}";
    }

private:
    std::string rtf_;
    bool started_ = false;
    std::size_t runLength_ = 0;
    bool alternate_ = false;
};

class PageBuilder {
public:
    std::string build(const std::vector<Block>& blocks) {
        for (const Block& block : blocks) {
            switch (block.kind) {
            case Block::Kind::Heading:
                page_.paragraph({.tabs = {}, .spaceBefore = first_ ? 0 : 200, .spaceAfter = 100});
                page_.text(block.text, true, HeadingPoints[std::clamp(block.level, 1, 3) - 1]);
                break;
            case Block::Kind::Paragraph:
                page_.paragraph({});
                page_.text(block.text);
                break;
            case Block::Kind::Bullet:
            case Block::Kind::Numbered:
                listItem(block);
                break;
            case Block::Kind::Table:
                table(block);
                break;
            }
            first_ = false;
        }
        return page_.document();
    }

    // A failure's message: its lines as they are.
    std::string plain(std::string_view text) {
        for (std::size_t start = 0; start <= text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            page_.paragraph({.tabs = {}, .spaceAfter = 0});
            page_.text(widen(text.substr(start, end - start)));
            start = end + 1;
        }
        return page_.document();
    }

private:
    // The mark hangs in the margin; wrapped lines line up with the text.
    void listItem(const Block& block) {
        const std::wstring mark =
            block.kind == Block::Kind::Bullet ? std::wstring(L"•") : widen(block.number);
        const int width = std::max(measure_(mark, false) + MarkerGap, 360);
        const int indent = Margin + LevelIndent * (std::max(block.level, 1) - 1);
        page_.paragraph({.indent = indent,
                         .hanging = width,
                         .tabs = {{indent + width, helpfile::Align::Left}},
                         .spaceAfter = 40});
        page_.text(mark + L'\t');
        page_.text(block.text);
    }

    // One paragraph a row, the cells at tab stops as wide as the widest
    // cell of their column; wrapped lines continue under the last column.
    void table(const Block& block) {
        const std::size_t columns = block.align.size();
        std::vector<int> widths(columns, 0);
        for (std::size_t row = 0; row < block.rows.size(); ++row) {
            for (std::size_t column = 0; column < columns; ++column) {
                widths[column] =
                    std::max(widths[column], measure_(joined(block.rows[row][column]), row == 0));
            }
        }
        RichText::Paragraph format;
        int start = Margin;
        for (std::size_t column = 1; column < columns && column <= MAX_TAB_STOPS; ++column) {
            start += widths[column - 1] + ColumnGap;
            // Centred and right-aligned columns put their tab at the middle
            // or the right edge of the column.
            const helpfile::Align align = block.align[column];
            format.tabs.emplace_back(align == helpfile::Align::Center  ? start + widths[column] / 2
                                     : align == helpfile::Align::Right ? start + widths[column]
                                                                       : start,
                                     align);
        }
        format.hanging = start - Margin;
        for (std::size_t row = 0; row < block.rows.size(); ++row) {
            format.spaceAfter = row + 1 == block.rows.size() ? 120 : row == 0 ? 60 : 40;
            page_.paragraph(format);
            for (std::size_t column = 0; column < columns; ++column) {
                if (column > 0) {
                    page_.text(L"\t");
                }
                page_.text(block.rows[row][column], row == 0);
            }
        }
    }

    static std::wstring joined(const helpfile::Inline& text) {
        std::string all;
        for (const helpfile::Span& span : text) {
            all += span.text;
        }
        return widen(all);
    }

    Measure measure_;
    RichText page_;
    bool first_ = true;
};

// Our rich text, streamed in in one piece: formatting range by range would
// lay the page out again after every range.
void fill(HWND view, const std::string& rtf) {
    struct Source {
        const char* next;
        std::size_t left;
    } source{rtf.data(), rtf.size()};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = [](DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) -> DWORD {
        auto* from = reinterpret_cast<Source*>(cookie);
        const std::size_t count = std::min(from->left, static_cast<std::size_t>(size));
        std::copy_n(from->next, count, buffer);
        from->next += count;
        from->left -= count;
        *done = static_cast<LONG>(count);
        return 0;
    };
    // Room for every file within the caps, past the default 32,767.
    SendMessageW(view, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(rtf.size()));
    CHARFORMAT2W font{};
    font.cbSize = sizeof font;
    font.dwMask = CFM_FACE | CFM_SIZE;
    font.yHeight = BodyPoints * 20;
    lstrcpynW(font.szFaceName, gameFontFace().c_str(), LF_FACESIZE);
    SendMessageW(view, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&font));
    SendMessageW(view, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

} // namespace

HelpView::HelpView(const helpfile::Content& content, std::size_t fileKey) {
    registerClassOnce(ClassName, GetSysColorBrush(COLOR_WINDOW));
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    create(ClassName, 0, WS_OVERLAPPEDWINDOW,
           {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + MulDiv(560, dpi, 96),
            CW_USEDEFAULT + MulDiv(480, dpi, 96)},
           nullptr, nullptr, widen(texts::HelpTitle).c_str());
    SetPropW(hwnd(), FileProperty, reinterpret_cast<HANDLE>(fileKey));
    // Only now, with the window about to be needed; from the system folder,
    // as the rich edit's DLL is no known DLL. The rich edit loads msimg32
    // late, when it first draws: loaded here first from the system folder, it
    // is never looked for where a loader might find a planted one.
    for (const wchar_t* dll : {L"msftedit.dll", L"msimg32.dll"}) {
        if (loadSystemDll(dll) == nullptr) {
            throw std::runtime_error("a DLL of the rich edit is not in the system folder");
        }
    }
    // Its real size before any text: laying a long line out at zero width
    // takes minutes.
    RECT client;
    GetClientRect(hwnd(), &client);
    view_ = CreateWindowExW(
        0, MSFTEDIT_CLASS, L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
        client.right, client.bottom, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (view_ == nullptr) {
        throw std::runtime_error("the rich edit cannot be made");
    }
    const int margin = MulDiv(8, dpi, 96);
    SendMessageW(view_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    fill(view_, content.ok ? PageBuilder().build(helpfile::readMarkdown(content.text))
                           : PageBuilder().plain(content.text));
}

HWND HelpView::find(std::size_t fileKey) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, ClassName, nullptr)) != nullptr) {
        if (reinterpret_cast<std::size_t>(GetPropW(found, FileProperty)) == fileKey) {
            return found;
        }
    }
    return nullptr;
}

LRESULT HelpView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (view_ != nullptr) {
            MoveWindow(view_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_DESTROY:
        RemovePropW(hwnd(), FileProperty);
        PostQuitMessage(0);
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
