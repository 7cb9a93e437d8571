// SPDX-License-Identifier: MIT
// zamut-help.exe FILE [3]: the Windows help engine. Shows a help file's
// contents (command 3, the only one there is) in a window of its own, one
// window per file for the same user, with the same lookup and checks as the
// Linux engine.

#include "design/Texts.h"
#include "helpfile/HelpFile.h"
#include "windows/help/HelpView.h"
#include "windows/widgets/Module.h"

#include <cwchar>
#include <functional>
#include <string>

namespace {

using namespace zamut::win;
namespace helpfile = zamut::helpfile;

// The only command there is: the file's contents.
bool isContentsCommand(const wchar_t* argument) {
    wchar_t* end = nullptr;
    const long command = std::wcstol(argument, &end, 10);
    return end != argument && *end == L'\0' && command == zamut::texts::HelpContents;
}

// How long a second engine waits for the first one's window before it shows
// one of its own; the first shows any accepted file well within this.
constexpr ULONGLONG FirstWindowWaitMs = 5000;

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    loadDllsFromSystemOnly();
    SetProcessDPIAware();
    setFailureTitle(widen(zamut::texts::HelpTitle));
    if (__argc < 2 || __argc > 3 || (__argc == 3 && !isContentsCommand(__wargv[2]))) {
        return 2;
    }
    const helpfile::Content content =
        helpfile::open(__wargv[1], helpfile::searchDirs(std::filesystem::path(programFolder())));
    std::error_code error;
    const std::filesystem::path file = content.ok ? std::filesystem::canonical(content.path, error)
                                                  : std::filesystem::absolute(content.path, error);
    std::wstring key = file.wstring();
    CharLowerW(key.data()); // the same file, whatever the letters' case
    const std::size_t fileKey = std::hash<std::wstring>{}(key);

    // One window per file for the same user: a second engine raises the
    // first one's window, waiting while that engine starts. Should the first
    // end without a window, or take too long, it shows one of its own.
    for (wchar_t& c : key) {
        c = c == L'\\' ? L'/' : c; // a backslash would name a namespace
    }
    const HANDLE claim = CreateMutexW(nullptr, TRUE, (L"Local\\zamut-help:" + key).c_str());
    if (claim != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        const ULONGLONG end = GetTickCount64() + FirstWindowWaitMs;
        while (GetTickCount64() < end) {
            if (const HWND open = HelpView::find(fileKey)) {
                SetForegroundWindow(open);
                return 0;
            }
            const DWORD wait = WaitForSingleObject(claim, 20);
            if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
                break; // the first engine ended: this one takes over
            }
        }
    }
    HelpView window(content, fileKey);
    ShowWindow(window.hwnd(), show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (claim != nullptr) {
        CloseHandle(claim);
    }
    return 0;
}
