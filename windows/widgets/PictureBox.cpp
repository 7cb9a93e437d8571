// SPDX-License-Identifier: MIT
// The board's picture boxes.

#include "windows/widgets/PictureBox.h"

#include <oleacc.h>

namespace zamut::win {

namespace {
constexpr wchar_t ClassName[] = L"ZamutPictureBox";
}

PictureBox::PictureBox(HWND parent, const RECT& outer, COLORREF background, int id)
    : background_(CreateSolidBrush(background)) {
    registerClassOnce(ClassName, nullptr);
    create(ClassName, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, outer, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

PictureBox::~PictureBox() {
    DeleteObject(background_);
}

long PictureBox::accessibleRole() const {
    return ROLE_SYSTEM_GROUPING;
}

LRESULT PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(hwnd(), &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, background_);
        return 1;
    }
    case WM_COMMAND:
        return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
