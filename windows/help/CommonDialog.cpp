// SPDX-License-Identifier: MIT
// Starts the Windows help engine, or says why it could not.

#include "windows/help/CommonDialog.h"

#include <atomic>
#include <memory>

namespace zamut::win {

namespace {

// One argument for CreateProcessW's command line, quoted so that spaces and
// quotes in it stay one argument (the rules of CommandLineToArgvW).
std::wstring quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// The message box runs on a thread of its own, so the board stays usable and
// every handler returns at once; one message at a time is enough.
std::atomic<bool> failureShown{false};

} // namespace

std::wstring engineFailureText(std::wstring engine) {
    for (wchar_t& c : engine) {
        c = c == L'/' ? L'\\' : c;
    }
    return L"ヘルプを表示できませんでした。\nヘルプ プログラムを起動できません:\n" + engine;
}

std::wstring CommonDialog::defaultEngine() {
    wchar_t program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring path(program, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"zamut-help.exe";
}

void CommonDialog::ShowHelp() {
    std::wstring commandLine =
        quoted(engine) + L" " + quoted(HelpFile) + L" " + std::to_wstring(HelpCommand);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(engine.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    if (failureShown.exchange(true)) {
        return;
    }
    struct Message {
        std::wstring text, caption;
    };
    auto* message = new Message{engineFailureText(engine), title};
    const auto show = [](void* param) -> DWORD {
        const std::unique_ptr<Message> shown(static_cast<Message*>(param));
        MessageBoxW(nullptr, shown->text.c_str(), shown->caption.c_str(), MB_OK | MB_ICONWARNING);
        failureShown = false;
        return 0;
    };
    if (const HANDLE thread = CreateThread(nullptr, 0, show, message, 0, nullptr)) {
        CloseHandle(thread);
    } else {
        delete message;
        failureShown = false;
    }
}

} // namespace zamut::win
