// SPDX-License-Identifier: MIT
// zamut-help.exe FILE [3]: the Windows help engine. Shows a help file's
// contents (command 3, the only one there is) in a read-only rich edit window
// of its own, one window per file for the same user, with the same lookup and
// checks as the Linux engine.

#include "platform/helpfile/HelpFile.h"
#include "windows/widgets/GameFont.h"
#include "windows/widgets/Window.h"

#include <richedit.h>

#include <functional>
#include <string>

namespace {

using namespace zamut::win;
namespace helpfile = zamut::helpfile;

constexpr wchar_t ClassName[] = L"ZamutHelp";
constexpr wchar_t Title[] = L"ザムト ヘルプ";
// Marks the window of a file, so that a second request finds it.
constexpr wchar_t FileProperty[] = L"ZamutHelpFile";
constexpr int ContentsCommand = 3;

// A line that starts no block of its own (heading, list item, blank line)
// continues the one before it; Japanese joins without a space.
std::wstring joinWrappedLines(const std::wstring& markdown) {
    std::wstring joined;
    bool previousEndsBlock = true;
    for (std::size_t start = 0; start <= markdown.size();) {
        const std::size_t end = std::min(markdown.find(L'\n', start), markdown.size());
        const std::wstring line = markdown.substr(start, end - start);
        const bool startsBlock =
            line.empty() || line[0] == L'#' || line.starts_with(L"- ") ||
            (iswdigit(line[0]) && line.find(L". ") != std::wstring::npos && line.find(L". ") < 4);
        if (!joined.empty()) {
            joined += startsBlock || previousEndsBlock ? L"\n" : L"";
        }
        joined += line;
        previousEndsBlock = line.empty() || line[0] == L'#';
        start = end + 1;
    }
    return joined;
}

class HelpWindow final : public Window {
public:
    HelpWindow(const helpfile::Content& content, std::size_t fileKey) {
        registerClassOnce(ClassName, GetSysColorBrush(COLOR_WINDOW));
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        create(ClassName, 0, WS_OVERLAPPEDWINDOW,
               {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + MulDiv(560, dpi, 96),
                CW_USEDEFAULT + MulDiv(480, dpi, 96)},
               nullptr, nullptr, Title);
        SetPropW(hwnd(), FileProperty, reinterpret_cast<HANDLE>(fileKey));
        LoadLibraryW(L"Msftedit.dll");
        view_ = CreateWindowExW(0, MSFTEDIT_CLASS, L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                    ES_AUTOVSCROLL,
                                0, 0, 0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
        show(content);
    }

private:
    // The Markdown as it is, which reads well as text, with its paragraphs'
    // and list items' wrapped lines joined; headings in bold and larger, so
    // the structure shows. A failure's message as plain text.
    void show(const helpfile::Content& content) {
        const std::wstring text =
            content.ok ? joinWrappedLines(widen(content.text)) : widen(content.text);
        std::wstring shown = text;
        for (wchar_t& c : shown) {
            c = c == L'\n' ? L'\r' : c; // one character a line break, as the control counts
        }
        SetWindowTextW(view_, shown.c_str());
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_FACE | CFM_SIZE;
        format.yHeight = 10 * 20;
        lstrcpynW(format.szFaceName, gameFontFace().c_str(), LF_FACESIZE);
        SendMessageW(view_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
        if (content.ok) {
            format.dwMask = CFM_BOLD | CFM_SIZE;
            format.dwEffects = CFE_BOLD;
            format.yHeight = 13 * 20;
            for (std::size_t start = 0; start < text.size();) {
                const std::size_t end = std::min(text.find(L'\n', start), text.size());
                if (text[start] == L'#') {
                    SendMessageW(view_, EM_SETSEL, start, end);
                    SendMessageW(view_, EM_SETCHARFORMAT, SCF_SELECTION,
                                 reinterpret_cast<LPARAM>(&format));
                }
                start = end + 1;
            }
            SendMessageW(view_, EM_SETSEL, 0, 0);
        }
    }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SIZE:
            MoveWindow(view_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_DESTROY:
            RemovePropW(hwnd(), FileProperty);
            PostQuitMessage(0);
            return 0;
        default:
            return Window::handleMessage(message, wParam, lParam);
        }
    }

    HWND view_ = nullptr;
};

// The open window of the file, in any help engine of this user's session.
HWND findWindowOf(std::size_t fileKey) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, ClassName, nullptr)) != nullptr) {
        if (reinterpret_cast<std::size_t>(GetPropW(found, FileProperty)) == fileKey) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    SetProcessDPIAware();
    setFailureTitle(Title);
    if (__argc < 2 || __argc > 3 || (__argc == 3 && std::wstring(__wargv[2]) != L"3")) {
        return 2;
    }
    static_assert(ContentsCommand == 3);
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const helpfile::Content content = helpfile::open(
        __wargv[1], helpfile::searchDirs(std::filesystem::path(program).parent_path()));
    std::error_code error;
    const std::filesystem::path file = content.ok ? std::filesystem::canonical(content.path, error)
                                                  : std::filesystem::absolute(content.path, error);
    std::wstring key = file.wstring();
    CharLowerW(key.data()); // the same file, whatever the letters' case
    const std::size_t fileKey = std::hash<std::wstring>{}(key);

    // One window per file for the same user: a second engine raises it.
    for (wchar_t& c : key) {
        c = c == L'\\' ? L'/' : c; // a backslash would name a namespace
    }
    const HANDLE claim = CreateMutexW(nullptr, TRUE, (L"Local\\zamut-help:" + key).c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        for (int tries = 0; tries < 50; ++tries) {
            if (const HWND open = findWindowOf(fileKey)) {
                SetForegroundWindow(open);
                break;
            }
            Sleep(20);
        }
        return 0;
    }
    HelpWindow window(content, fileKey);
    ShowWindow(window.hwnd(), show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CloseHandle(claim);
    return 0;
}
