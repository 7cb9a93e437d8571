// SPDX-License-Identifier: MIT
// The guarded window procedure shared by every window of the game.

#include "windows/widgets/Window.h"

#include "design/Texts.h"

#include <exception>
#include <stdexcept>
#include <unordered_map>

namespace zamut::win {

namespace {

std::wstring& failureTitle() {
    static std::wstring title;
    return title;
}

// The game's windows of this thread, which alone receives their messages.
// Kept here rather than in each window's user data, which would cost a call
// to the window server (Wine's) for each of the board's many controls.
std::unordered_map<HWND, Window*>& windowsOfThisThread() {
    thread_local std::unordered_map<HWND, Window*> windows;
    return windows;
}

} // namespace

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) {
        throw std::invalid_argument("text is not UTF-8");
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
    return wide;
}

void setFailureTitle(std::wstring title) {
    failureTitle() = std::move(title);
}

void reportFatalErrorAndExit(std::string_view what) {
    std::wstring detail;
    try {
        detail = widen(what);
    } catch (const std::exception&) {
        detail = L"unknown error";
    }
    const std::wstring text = widen(texts::FatalError) + L"\n\n" + detail;
    MessageBoxW(nullptr, text.c_str(), failureTitle().c_str(), MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

Window::~Window() {
    if (hwnd_ != nullptr && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) == 0) {
        windowsOfThisThread().erase(hwnd_);
        DestroyWindow(hwnd_);
    }
}

void Window::registerClassOnce(const wchar_t* name, HBRUSH background, HICON icon) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) {
        return;
    }
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = background;
    cls.hIcon = icon;
    cls.lpszClassName = name;
    if (RegisterClassExW(&cls) == 0) {
        throw std::runtime_error("RegisterClassExW failed");
    }
}

void Window::create(const wchar_t* className, DWORD exStyle, DWORD style, const RECT& outer,
                    HWND parent, HMENU menuOrId, const wchar_t* title) {
    CreateWindowExW(exStyle, className, title, style, outer.left, outer.top,
                    outer.right - outer.left, outer.bottom - outer.top, parent, menuOrId,
                    GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("CreateWindowExW failed");
    }
}

LRESULT Window::paint(const std::function<void(HDC)>& draw) {
    PAINTSTRUCT paint;
    draw(BeginPaint(hwnd_, &paint));
    EndPaint(hwnd_, &paint);
    return 0;
}

void Window::setAccessibleName(std::wstring name) {
    if (name != accessibleName_) {
        accessibleName_ = std::move(name);
        announce(hwnd_, EVENT_OBJECT_NAMECHANGE);
    }
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && accessibleRole() != 0) {
        return answerGetObject(hwnd_, *this, wParam, lParam);
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            auto* window =
                static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            window->hwnd_ = hwnd;
            windowsOfThisThread()[hwnd] = window;
        }
        const auto found = windowsOfThisThread().find(hwnd);
        if (found == windowsOfThisThread().end()) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        Window* const window = found->second;
        const LRESULT result = window->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            detachAccessible(hwnd);
            windowsOfThisThread().erase(hwnd);
            window->hwnd_ = nullptr;
        }
        return result;
    });
}

} // namespace zamut::win
