// SPDX-License-Identifier: MIT
// Starts the Windows help engine, or says why it could not.

#include "windows/help/CommonDialog.h"

#include "design/Texts.h"
#include "windows/widgets/Module.h"
#include "windows/widgets/Window.h"

#include <algorithm>
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

// Starts a program without a shell; false when the system refuses.
bool start(const std::wstring& program, std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// The same file by its short name, where the volume keeps short names; asked
// with the prefix that lifts the length limit, which the answer keeps.
std::wstring shortPath(std::wstring path) {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    const std::wstring extended = L"\\\\?\\" + path;
    std::wstring shortened(extended.size() + 1, L'\0');
    const DWORD length =
        GetShortPathNameW(extended.c_str(), shortened.data(), static_cast<DWORD>(shortened.size()));
    shortened.resize(length < shortened.size() ? length : 0);
    return shortened;
}

} // namespace

std::wstring engineFailureText(std::wstring engine) {
    for (wchar_t& c : engine) {
        c = c == L'/' ? L'\\' : c;
    }
    return widen(texts::HelpEngineFailure) + L"\n" + engine;
}

std::wstring CommonDialog::defaultEngine() {
    return programFolder() + L"zamut-help.exe";
}

void CommonDialog::ShowHelp() {
    const std::wstring arguments = L" " + quoted(HelpFile) + L" " + std::to_wstring(HelpCommand);
    // The system starts no program whose path is longer than MAX_PATH; its
    // short name may be within it.
    if (start(engine, quoted(engine) + arguments)) {
        return;
    }
    const std::wstring shortEngine = engine.size() >= MAX_PATH ? shortPath(engine) : L"";
    if (!shortEngine.empty() && shortEngine.size() < MAX_PATH &&
        start(shortEngine, quoted(shortEngine) + arguments)) {
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
