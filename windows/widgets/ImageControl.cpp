// SPDX-License-Identifier: MIT
// Drawing and clicks of a board image.

#include "windows/widgets/ImageControl.h"

#include "design/Texts.h"

#include <oleacc.h>

namespace zamut::win {

namespace {
constexpr wchar_t ClassName[] = L"ZamutImage";
}

ImageControl::ImageControl(HWND parent, int id, POINT topLeft, SIZE size, const Picture& picture,
                           int scale, bool button)
    : picture_(&picture), scale_(scale), button_(button) {
    registerClassOnce(ClassName, nullptr);
    create(ClassName, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (button ? WS_DISABLED : 0),
           {topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy}, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void ImageControl::setPicture(const Picture& picture) {
    picture_ = &picture;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

long ImageControl::accessibleRole() const {
    return button_ ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_GRAPHIC;
}

std::wstring ImageControl::defaultActionName() const {
    return button_ ? widen(texts::PressAction) : std::wstring();
}

void ImageControl::click() {
    const auto id = static_cast<WORD>(GetDlgCtrlID(hwnd()));
    SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd()));
}

LRESULT ImageControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paint([this](HDC dc) {
            // The transparent pixels show the parent's background, which the
            // parent paints into this image's own area first.
            POINT origin{0, 0};
            MapWindowPoints(hwnd(), GetParent(hwnd()), &origin, 1);
            POINT previous;
            SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
            SendMessageW(GetParent(hwnd()), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
            picture_->draw(dc, 0, 0, scale_);
        });
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT area;
        GetClientRect(hwnd(), &area);
        const bool clicked = pressed_ && PtInRect(&area, at);
        pressed_ = false;
        ReleaseCapture();
        if (clicked) {
            click();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
