// SPDX-License-Identifier: MIT
// Starts the Windows help engine, or says why it could not.

#include "windows/help/CommonDialog.h"

#include <atomic>
#include <thread>

namespace zamut::win {

namespace {

// One argument for CreateProcessW's command line, quoted so that spaces and
// quotes in it stay one argument (the rules of CommandLineToArgvW).
std::wstring Quoted(const std::wstring& argument) {
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

std::wstring EngineFailureText(const std::filesystem::path& engine) {
    return L"ヘルプを表示できませんでした。\nヘルプ プログラムを起動できません:\n" +
           std::filesystem::path(engine).make_preferred().wstring();
}

std::filesystem::path CommonDialog::DefaultEngine() {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    return std::filesystem::path(program).parent_path() / L"zamut-help.exe";
}

void CommonDialog::ShowHelp() {
    std::wstring commandLine =
        Quoted(engine.wstring()) + L" " + Quoted(HelpFile) + L" " + std::to_wstring(HelpCommand);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(engine.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    if (failureShown.exchange(true)) {
        return;
    }
    std::thread([text = EngineFailureText(engine), caption = title] {
        MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
        failureShown = false;
    }).detach();
}

} // namespace zamut::win
