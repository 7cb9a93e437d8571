// SPDX-License-Identifier: MIT
// The program ザムト.exe driven from outside through its windows' messages:
// the About window (caption on every load, one instance, Esc and Enter,
// reopening, its place and owner), the board closing while About stays, and
// the exit command.

#include "windows/main/Form1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace zamut::win {
namespace {

std::wstring ProgramPath() {
    const std::string path = std::string("Z:") + ZAMUT_PROGRAM_FILE;
    return Widen(path);
}

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 200; ++i) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

// The program started as a process of its own, ended at the latest when the
// test ends.
struct Program {
    Program() {
        std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process);
        if (started)
            board = Find(L"Form1");
    }
    ~Program() {
        if (started) {
            TerminateProcess(process.hProcess, 2);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    // The program's windows of a class.
    std::vector<HWND> Windows(const wchar_t* className) const {
        struct Search {
            DWORD processId;
            const wchar_t* className;
            std::vector<HWND> found;
        } search{process.dwProcessId, className, {}};
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t name[64];
                GetClassNameW(window, name, 64);
                if (owner == s.processId && std::wstring(name) == s.className)
                    s.found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND Find(const wchar_t* className) const {
        HWND found = nullptr;
        WaitFor([&] {
            const auto windows = Windows(className);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr && IsWindowVisible(found);
        });
        return found;
    }
    void Command(WORD item) const {
        PostMessageW(board, WM_COMMAND, MAKEWPARAM(item, 0), 0);
        WaitForInputIdle(process.hProcess, 5000);
    }
    // The exit status once the process has ended, or STILL_ACTIVE.
    DWORD ExitCode(DWORD waitMs) const {
        WaitForSingleObject(process.hProcess, waitMs);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process{};
    BOOL started = FALSE;
    HWND board = nullptr;
};

std::wstring Caption(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

void Key(HWND about, WPARAM key) {
    PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, key, 1);
    PostMessageW(GetDlgItem(about, IDOK), WM_KEYUP, key, 1);
}

TEST(AboutWindow, OneInstanceCaptionedOnEveryLoadClosedByEscAndEnter) {
    Program program;
    ASSERT_NE(program.board, nullptr);
    for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        program.Command(Form1::version);
        const HWND about = program.Find(L"frmAbout");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(Caption(about), L"ザムトのﾊﾞｰｼﾞｮﾝ情報");
        program.Command(Form1::version); // to the front, not a second one
        EXPECT_EQ(program.Windows(L"frmAbout").size(), 1U);
        // Its client area at (156, 129), 382 x 237; owned by a hidden window.
        RECT client;
        GetClientRect(about, &client);
        POINT origin{0, 0};
        ClientToScreen(about, &origin);
        EXPECT_EQ(std::tuple(origin.x, origin.y, client.right, client.bottom),
                  std::tuple(156, 129, 382, 237));
        const HWND owner = GetWindow(about, GW_OWNER);
        EXPECT_NE(owner, program.board);
        EXPECT_FALSE(IsWindowVisible(owner));
        Key(about, key);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); })) << key;
    }
    EXPECT_EQ(program.ExitCode(0), STILL_ACTIVE);
}

TEST(Lifetime, TheBoardClosesWhileAboutStaysAndTheLastWindowEndsTheProgram) {
    Program program;
    ASSERT_NE(program.board, nullptr);
    program.Command(Form1::version);
    const HWND about = program.Find(L"frmAbout");
    PostMessageW(program.board, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(program.board); }));
    EXPECT_EQ(program.ExitCode(200), STILL_ACTIVE);
    EXPECT_TRUE(IsWindowVisible(about));
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(5000), 0U);
}

TEST(Lifetime, ExitEndsTheProgramAtOnceWithAboutOpen) {
    Program program;
    ASSERT_NE(program.board, nullptr);
    program.Command(Form1::version);
    ASSERT_NE(program.Find(L"frmAbout"), nullptr);
    PostMessageW(program.board, WM_COMMAND, MAKEWPARAM(Form1::end, 0), 0);
    EXPECT_EQ(program.ExitCode(5000), 0U);
}

} // namespace
} // namespace zamut::win
