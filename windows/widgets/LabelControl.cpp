// SPDX-License-Identifier: MIT
// Sizing and drawing of an auto-size label.

#include "windows/widgets/LabelControl.h"

#include "textlayout/LineBreak.h"

#include <oleacc.h>

namespace zamut::win {

namespace {
constexpr wchar_t ClassName[] = L"ZamutLabel";
}

LabelControl::LabelControl(HWND parent, POINT topLeft, std::wstring text, const LabelLook& look,
                           int id)
    : text_(std::move(text)), lines_{text_}, look_(look) {
    registerClassOnce(ClassName, nullptr);
    // Made at its text's size and shown with it: a later move and show would
    // each cost the window system a round of its own.
    const SIZE size = textSize();
    create(ClassName, 0, WS_CHILD | WS_CLIPSIBLINGS | (text_.empty() ? 0 : WS_VISIBLE),
           {topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    setAccessibleName(text_);
}

SIZE LabelControl::textSize(std::wstring_view run) const {
    // Measured as on the screen, without asking the window system for a DC.
    SIZE size{0, 0};
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, look_.font);
    GetTextExtentPoint32W(dc, run.data(), static_cast<int>(run.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

long LabelControl::accessibleRole() const {
    return ROLE_SYSTEM_STATICTEXT;
}

void LabelControl::setText(std::wstring text, std::wstring name) {
    setAccessibleName(name.empty() ? text : std::move(name));
    text_ = std::move(text);
    RECT box;
    GetWindowRect(hwnd(), &box);
    MapWindowPoints(nullptr, GetParent(hwnd()), reinterpret_cast<POINT*>(&box), 1);
    place({box.left, box.top});
}

void LabelControl::place(POINT topLeft, int wrapWidth) {
    SIZE size = textSize();
    lines_.assign(1, text_);
    if (wrapWidth > 0) {
        // wchar_t is UTF-16 on Windows, as the line-breaking rules count.
        const std::u16string_view text(reinterpret_cast<const char16_t*>(text_.data()),
                                       text_.size());
        lines_.clear();
        for (const std::u16string_view line :
             breakLines(text, wrapWidth, [this](std::u16string_view run) {
                 return static_cast<int>(
                     textSize({reinterpret_cast<const wchar_t*>(run.data()), run.size()}).cx);
             })) {
            lines_.emplace_back(reinterpret_cast<const wchar_t*>(line.data()), line.size());
        }
        size = {wrapWidth, size.cy * static_cast<LONG>(lines_.size())};
    }
    SetWindowPos(hwnd(), nullptr, topLeft.x, topLeft.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), text_.empty() ? SW_HIDE : SW_SHOWNA);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT LabelControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paint([this](HDC dc) {
            RECT area;
            GetClientRect(hwnd(), &area);
            const HBRUSH background = CreateSolidBrush(look_.background);
            FillRect(dc, &area, background);
            DeleteObject(background);
            const HGDIOBJ old = SelectObject(dc, look_.font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, look_.text);
            const LONG lineHeight =
                lines_.empty() ? 0 : area.bottom / static_cast<LONG>(lines_.size());
            for (const std::wstring_view line : lines_) {
                area.bottom = area.top + lineHeight;
                DrawTextW(dc, line.data(), static_cast<int>(line.size()), &area,
                          DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER |
                              (look_.centred ? DT_CENTER : 0));
                area.top = area.bottom;
            }
            SelectObject(dc, old);
        });
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
