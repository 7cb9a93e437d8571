// SPDX-License-Identifier: MIT
// The reference for ザムト.exe's start-up under Wine: a bare Win32 window of
// the board's client size with the same two Japanese menus and one label in
// the game font, painted by the system alone.

#include "windows/widgets/GameFont.h"

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    SetProcessDPIAware();
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = L"BareWindow";
    RegisterClassExW(&cls);

    const HMENU bar = CreateMenu();
    const HMENU game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, 1, L"新規ゲーム");
    AppendMenuW(game, MF_STRING, 2, L"終了");
    const HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 3, L"ザムトについて");
    AppendMenuW(help, MF_STRING, 4, L"バージョン");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), L"ゲーム");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"ヘルプ");

    constexpr DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
    RECT outer{0, 0, 453, 358};
    AdjustWindowRectEx(&outer, style, TRUE, 0);
    const HWND window = CreateWindowExW(0, L"BareWindow", L"bare", style, CW_USEDEFAULT,
                                        CW_USEDEFAULT, outer.right - outer.left,
                                        outer.bottom - outer.top, nullptr, bar, instance, nullptr);
    const HWND label = CreateWindowExW(0, L"STATIC", L"COM", WS_CHILD | WS_VISIBLE, 16, 56, 34, 16,
                                       window, nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(zamut::win::createGameFont(16, false)),
                 FALSE);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
