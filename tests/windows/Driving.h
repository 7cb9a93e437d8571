// SPDX-License-Identifier: MIT
// What the Windows tests share: waiting, child processes, windows found by
// class and their texts, and pixels on the screen.
#pragma once

#include "windows/widgets/Window.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zamut::win::testing {

// Polls the condition until it holds (true) or the time is up: twenty
// seconds by default, as Wine under load may take long to start a program.
inline bool waitFor(const std::function<bool()>& condition, ULONGLONG ms = 20000) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (!condition() && GetTickCount64() < end)
        Sleep(25);
    return condition();
}

// A file of the build as a path for Wine.
inline std::wstring winePath(const char* unixPath) {
    return widen(std::string("Z:") + unixPath);
}

// A program started as a process of its own, ended at the latest with this.
struct Process {
    explicit Process(const std::wstring& program, const std::wstring& arguments = L"") {
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &info))
            throw std::runtime_error("the program does not start: " +
                                     std::to_string(GetLastError()));
    }
    ~Process() {
        TerminateProcess(info.hProcess, 2);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    // The exit status once the process has ended within the wait, else
    // STILL_ACTIVE.
    DWORD exitCode(DWORD waitMs) const {
        WaitForSingleObject(info.hProcess, waitMs);
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION info{};
};

// The shown top-level windows of a class, of one process (0: of any).
inline std::vector<HWND> windowsOf(const wchar_t* className, DWORD processId = 0) {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (IsWindowVisible(w) && (processId == 0 || owner == processId))
            found.push_back(w);
    }
    return found;
}

// The first such window once one shows, or nullptr.
inline HWND waitForWindow(const wchar_t* className, DWORD processId = 0) {
    std::vector<HWND> shown;
    waitFor([&] { return !(shown = windowsOf(className, processId)).empty(); });
    return shown.empty() ? nullptr : shown.front();
}

// A rectangle as "left,top widthxheight".
inline std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// A window's client area in another's client coordinates (nullptr: the
// screen's).
inline std::string clientArea(HWND window, HWND frame) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, frame, reinterpret_cast<POINT*>(&r), 2);
    return describe(r);
}

// A window's text, asked of the window itself, as another program's controls
// keep theirs (a message box's is that of its static control 0xFFFF).
inline std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// Handles the messages waiting for this thread.
inline void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// A window's client area as it is on the screen once redrawn, row by row.
// This thread's messages come first, so that its own windows are up to date.
inline std::vector<COLORREF> screenPixels(HWND window) {
    pump();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    Sleep(100); // Wine shows a window's new drawing on the screen a moment later
    RECT area;
    GetClientRect(window, &area);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < area.bottom; ++y)
        for (int x = 0; x < area.right; ++x)
            pixels.push_back(GetPixel(screen, origin.x + x, origin.y + y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace zamut::win::testing
