// SPDX-License-Identifier: MIT
// ザムト.exe: shows the board and serves window events until the application ends.

#include "design/AppInfo.h"
#include "windows/app/Game.h"
#include "windows/widgets/Module.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    zamut::win::loadDllsFromSystemOnly();
    // No manifest: the program asks for real pixels here and scales itself.
    SetProcessDPIAware();
    zamut::win::setFailureTitle(zamut::win::widen(zamut::AppInfo.Title));
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    zamut::ClockMixedGenerator generator;
    zamut::win::Game game(generator, LoadIconW(instance, MAKEINTRESOURCEW(1)), dpi,
                          {.onLastWindowClosed = [] { PostQuitMessage(0); },
                           // At once: no close messages, nothing to save.
                           .exit = [] { ExitProcess(0); }});
    ShowWindow(game.board().hwnd(), show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (game.preTranslateMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
