// SPDX-License-Identifier: MIT
// The program ザムト.exe driven from outside through its windows' messages:
// the About window (caption on every load, one instance, Esc and Enter,
// reopening, its place and owner, the exit command with it open), the board
// closing while About stays, and the board at 192 dpi.

#include "windows/main/Form1.h"

#include "WaitFor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zamut::win {
namespace {

using testing::waitFor;

std::wstring programPath() {
    const std::string path = std::string("Z:") + ZAMUT_PROGRAM_FILE;
    return widen(path);
}

// The program started as a process of its own, ended at the latest when the
// test ends.
struct Program {
    Program() {
        std::wstring commandLine = L"\"" + programPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process);
        if (started)
            board = find(L"Form1");
    }
    ~Program() {
        if (started) {
            TerminateProcess(process.hProcess, 2);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    // The program's windows of a class.
    std::vector<HWND> windowsOfClass(const wchar_t* className) const {
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
    HWND find(const wchar_t* className) const {
        HWND found = nullptr;
        waitFor([&] {
            const auto windows = windowsOfClass(className);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr && IsWindowVisible(found);
        });
        return found;
    }
    void command(WORD item) const {
        PostMessageW(board, WM_COMMAND, MAKEWPARAM(item, 0), 0);
        WaitForInputIdle(process.hProcess, 5000);
    }
    // The exit status once the process has ended, or STILL_ACTIVE.
    DWORD exitCode(DWORD waitMs) const {
        WaitForSingleObject(process.hProcess, waitMs);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process{};
    BOOL started = FALSE;
    HWND board = nullptr;
};

std::wstring caption(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

void pressKey(HWND about, WPARAM key) {
    PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, key, 1);
    PostMessageW(GetDlgItem(about, IDOK), WM_KEYUP, key, 1);
}

TEST(AboutWindow, OneInstanceCaptionedOnEveryLoadClosedByEscAndEnterOrExit) {
    Program program;
    ASSERT_NE(program.board, nullptr);
    for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        program.command(Form1::version);
        const HWND about = program.find(L"frmAbout");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(caption(about), L"ザムトのﾊﾞｰｼﾞｮﾝ情報");
        program.command(Form1::version); // to the front, not a second one
        EXPECT_EQ(program.windowsOfClass(L"frmAbout").size(), 1U);
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
        pressKey(about, key);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(about); })) << key;
    }
    EXPECT_EQ(program.exitCode(0), STILL_ACTIVE);
    // The exit command ends the program at once, About open too.
    program.command(Form1::version);
    ASSERT_NE(program.find(L"frmAbout"), nullptr);
    program.command(Form1::end);
    EXPECT_EQ(program.exitCode(5000), 0U);
}

TEST(Lifetime, TheBoardClosesWhileAboutStaysAndTheLastWindowEndsTheProgram) {
    Program program;
    ASSERT_NE(program.board, nullptr);
    program.command(Form1::version);
    const HWND about = program.find(L"frmAbout");
    PostMessageW(program.board, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(program.board); }));
    EXPECT_EQ(program.exitCode(200), STILL_ACTIVE);
    EXPECT_TRUE(IsWindowVisible(about));
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(5000), 0U);
}

// The prefix's dots per inch for the programs started while it lives.
struct ScreenDpi {
    explicit ScreenDpi(DWORD dpi) { set(dpi); }
    ~ScreenDpi() { set(96); }
    static void set(DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                        sizeof dpi);
    }
};

HWND findImage(HWND board, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        board,
        [](HWND child, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            wchar_t name[64];
            GetClassNameW(child, name, 64);
            if (std::wstring(name) == L"ZamutImage" && GetDlgCtrlID(child) == s.id)
                s.found = child;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// At 192 dpi the board keeps its designed proportions at twice the pixels, and
// each picture pixel becomes an exact 2 x 2 block.
TEST(HighDpi, At192TheBoardDoublesAndItsPicturesStayCrisp) {
    SetProcessDPIAware(); // the other program's windows in real pixels
    const ScreenDpi dpi(192);
    Program program;
    ASSERT_NE(program.board, nullptr);
    RECT client;
    GetClientRect(program.board, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(906L, 716L));
    const HWND card = findImage(program.board, 25);
    ASSERT_NE(card, nullptr);
    RECT area;
    GetClientRect(card, &area);
    ASSERT_EQ(std::pair(area.right, area.bottom), std::pair(48L, 68L));
    POINT origin{0, 0};
    ClientToScreen(card, &origin);
    const HDC screen = GetDC(nullptr);
    const auto pixel = [&](int x, int y) { return GetPixel(screen, origin.x + x, origin.y + y); };
    WaitForInputIdle(program.process.hProcess, 5000);
    // Once painted: the band's first pixel, doubled, beside the transparent corner.
    EXPECT_TRUE(waitFor([&] { return pixel(2, 0) == RGB(198, 132, 0); }));
    EXPECT_EQ(pixel(1, 1), RGB(0, 128, 0));
    for (int y = 0; y < 68; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(pixel(x, y), pixel(x & ~1, y & ~1)) << x << "," << y;
    ReleaseDC(nullptr, screen);
}

} // namespace
} // namespace zamut::win
