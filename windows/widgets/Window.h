// SPDX-License-Identifier: MIT
// A window of the game: a C++ object behind one HWND, its procedure guarded.
#pragma once

#include "windows/widgets/Accessible.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace zamut::win {

// UTF-8 text as the UTF-16 the system's wide functions take.
std::wstring widen(std::string_view utf8);

// The title of the standard error box that ends the program on a failure.
void setFailureTitle(std::wstring title);

// The standard error box, then the process ends with status 1.
[[noreturn]] void reportFatalErrorAndExit(std::string_view what);

// Runs `body` where no failure may cross into the system's frames (a window
// procedure, a call from a screen reader): a failure ends the program.
template <typename Body> auto guarded(Body body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& error) {
        reportFatalErrorAndExit(error.what());
    } catch (...) {
        reportFatalErrorAndExit("unknown error");
    }
}

class Window : public AccessibleSource {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Screen readers: a window with a role of its own (0 leaves it to the
    // system's object) and a name, whose every change they hear of.
    long accessibleRole() const override { return 0; }
    std::wstring accessibleName() const override { return accessibleName_; }
    void setAccessibleName(std::wstring name);

protected:
    Window() = default;
    // The system destroys child windows with their parent; a top-level
    // window that is still open is destroyed here.
    virtual ~Window();

    // Registers the class once per process; every class shares Procedure.
    static void registerClassOnce(const wchar_t* name, HBRUSH background, HICON icon = nullptr);
    void create(const wchar_t* className, DWORD exStyle, DWORD style, const RECT& outer,
                HWND parent, HMENU menuOrId, const wchar_t* title = L"");

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Answers WM_PAINT: draw gets the window's device context.
    LRESULT paint(const std::function<void(HDC)>& draw);

private:
    // No C++ exception may cross the system's frames between a window
    // procedure and the message loop: a failure ends the program here.
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::wstring accessibleName_;
};

} // namespace zamut::win
