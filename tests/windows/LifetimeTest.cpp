// SPDX-License-Identifier: MIT
// The program ザムト.exe driven from outside through its windows' messages:
// the About window (caption on every load, one instance, Esc and Enter,
// reopening, its place and owner, the exit command with it open), the board
// closing while About stays, and the board at 192 dpi.

#include "windows/main/Form1.h"

#include "design/AboutLayout.h"

#include "Driving.h"

#include <gtest/gtest.h>

namespace zamut::win::testing {
namespace {

// The program started with its board shown.
struct Program : Process {
    Program() : Process(winePath(ZAMUT_PROGRAM_FILE)) {}
    void command(WORD item) const {
        PostMessageW(board, WM_COMMAND, MAKEWPARAM(item, 0), 0);
        WaitForInputIdle(info.hProcess, 5000);
    }
    HWND find(const wchar_t* className) const { return waitForWindow(className, info.dwProcessId); }

    const HWND board = find(L"Form1");
};

TEST(AboutWindow, OneInstanceCaptionedOnEveryLoadClosedByEscAndEnterOrExit) {
    Program program;
    ASSERT_NE(program.board, nullptr);
    for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        program.command(Form1::version);
        const HWND about = program.find(L"frmAbout");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(windowText(about), L"ザムトのﾊﾞｰｼﾞｮﾝ情報");
        program.command(Form1::version); // to the front, not a second one
        EXPECT_EQ(windowsOf(L"frmAbout", program.info.dwProcessId).size(), 1U);
        // Its client area where the design opens it; owned by a hidden window.
        constexpr layout::Box client = about::Client;
        EXPECT_EQ(clientArea(about, nullptr),
                  describe({client.left, client.top, client.left + client.width,
                            client.top + client.height}));
        const HWND owner = GetWindow(about, GW_OWNER);
        EXPECT_NE(owner, program.board);
        EXPECT_FALSE(IsWindowVisible(owner));
        PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, key, 1);
        PostMessageW(GetDlgItem(about, IDOK), WM_KEYUP, key, 1);
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

// At 192 dpi the board keeps its designed proportions at twice the pixels, and
// each picture pixel becomes an exact 2 x 2 block.
TEST(HighDpi, At192TheBoardDoublesAndItsPicturesStayCrisp) {
    SetProcessDPIAware(); // the other program's windows in real pixels
    const ScreenDpi dpi(192);
    const Program program;
    EXPECT_EQ(clientArea(program.board, program.board), "0,0 906x716");
    const HWND card =
        GetDlgItem(GetDlgItem(program.board, Form1::pictureId(2)), Form1::controlId(handImage(5)));
    ASSERT_EQ(clientArea(card, card), "0,0 48x68");
    // Once painted: the band's first pixel, doubled, beside the transparent
    // corner.
    std::vector<COLORREF> pixels;
    EXPECT_TRUE(waitFor([&] { return (pixels = screenPixels(card)).at(2) == RGB(198, 132, 0); }));
    EXPECT_EQ(pixels.at(48 + 1), RGB(0, 128, 0));
    // Each pixel as the top-left one of its 2 x 2 block (rows of 48).
    for (std::size_t i = 0; i < pixels.size(); ++i)
        ASSERT_EQ(pixels[i], pixels[i / 96 * 96 + (i % 48 & ~1U)]) << i % 48 << "," << i / 48;
}

} // namespace
} // namespace zamut::win::testing
