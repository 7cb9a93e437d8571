// SPDX-License-Identifier: MIT
// Sizing and drawing of an auto-size label.

#include "windows/widgets/LabelControl.h"

namespace zamut::win {

namespace {
constexpr wchar_t ClassName[] = L"ZamutLabel";
}

LabelControl::LabelControl(HWND parent, POINT topLeft, std::wstring text, const LabelLook& look)
    : look_(look) {
    RegisterClassOnce(ClassName, nullptr);
    Create(ClassName, 0, WS_CHILD | WS_CLIPSIBLINGS, {topLeft.x, topLeft.y, topLeft.x, topLeft.y},
           parent, nullptr);
    SetText(std::move(text));
}

SIZE LabelControl::TextSize() const {
    SIZE size{0, 0};
    const HDC dc = GetDC(hwnd());
    const HGDIOBJ old = SelectObject(dc, look_.font);
    GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
    return size;
}

void LabelControl::SetText(std::wstring text) {
    text_ = std::move(text);
    const SIZE size = TextSize();
    SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), text_.empty() ? SW_HIDE : SW_SHOWNA);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT LabelControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd(), &paint);
        RECT area;
        GetClientRect(hwnd(), &area);
        const HBRUSH background = CreateSolidBrush(look_.background);
        FillRect(dc, &area, background);
        DeleteObject(background);
        const HGDIOBJ old = SelectObject(dc, look_.font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, look_.text);
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area,
                  DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | (look_.centred ? DT_CENTER : 0));
        SelectObject(dc, old);
        EndPaint(hwnd(), &paint);
        return 0;
    }
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
