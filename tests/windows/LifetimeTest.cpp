// SPDX-License-Identifier: MIT
// The program ザムト.exe driven from outside through its windows' messages:
// the About window (caption on every load, one instance, Esc and Enter,
// reopening, the exit command with it open), and the board and About at 96,
// 144 and 192 dpi.

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
        PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, key, 1);
        PostMessageW(GetDlgItem(about, IDOK), WM_KEYUP, key, 1);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(about); })) << key;
    }
    // The exit command ends the program at once, About open too.
    program.command(Form1::version);
    ASSERT_NE(program.find(L"frmAbout"), nullptr);
    program.command(Form1::end);
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

// The board and the About window laid out for the screen at 96, 144 (150 %,
// where the design's halves round away from zero) and 192 dpi. The board
// keeps its designed proportions, and its pictures, the back on the board and
// a face in the hand's panel, show the green through their corners and are
// enlarged by the whole factor that fits, each picture pixel a square block.
// About: its client area and each control's corner by the design's rule, the
// title and text lines as high as a line of the game font at the design's
// points (Monapo's: 14.25 pt bold and 9 pt), and the icon enlarged as the
// cards are.
TEST(HighDpi, TheBoardAndTheAboutWindowScaleAndTheirPicturesStayCrisp) {
    SetProcessDPIAware(); // the other program's windows in real pixels
    for (const auto& [dpi, board, card, client, title, line] :
         {std::tuple(96, "0,0 453x358", "0,0 24x34", "156,129 382x237", 19L, 13L),
          std::tuple(144, "0,0 680x537", "0,0 36x51", "234,194 573x355", 29L, 18L),
          std::tuple(192, "0,0 906x716", "0,0 48x68", "312,258 764x474", 38L, 24L)}) {
        const ScreenDpi screen(static_cast<DWORD>(dpi));
        const Program program;
        EXPECT_EQ(clientArea(program.board, program.board), board);
        const int factor = dpi / 96;
        const HWND hand = GetDlgItem(program.board, Form1::pictureId(2));
        for (const auto& [image, band] : {std::pair(playerRowImage(1), RGB(255, 255, 255)),
                                          std::pair(handImage(5), RGB(198, 132, 0))}) {
            const HWND shown = GetDlgItem(image.row == ImageRow::Hand ? hand : program.board,
                                          Form1::controlId(image));
            RECT area;
            GetClientRect(shown, &area);
            ASSERT_EQ(describe(area), card);
            std::vector<COLORREF> pixels;
            const auto at = [&](LONG x, LONG y) {
                return pixels.at(static_cast<std::size_t>(y * area.right + x));
            };
            // Once painted: the band's first pixel beside the corner.
            EXPECT_TRUE(waitFor([&] {
                pixels = screenPixels(shown);
                return at(factor, 0) == band;
            })) << dpi;
            EXPECT_EQ(at(factor - 1, factor - 1), RGB(0, 128, 0)) << dpi;
            for (LONG y = 0; y < area.bottom; ++y)
                for (LONG x = 0; x < area.right; ++x)
                    ASSERT_EQ(at(x, y), at(x / factor * factor, y / factor * factor))
                        << dpi << ": " << x << "," << y;
        }
        program.command(Form1::version);
        const HWND about = program.find(L"frmAbout");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(clientArea(about, nullptr), client);
        // The controls as made: picIcon, Label1 to 4, the two texts, cmdOK.
        const struct {
            layout::Point at;
            LONG height; // of a label on one line, 0: not one
        } controls[] = {{about::IconAt, 0},
                        {about::Label1, title},
                        {about::Label2, line},
                        {about::Label3, line},
                        {about::Label4, line},
                        {{about::DescriptionBox.left, about::DescriptionBox.top}, 0},
                        {{about::DisclaimerBox.left, about::DisclaimerBox.top}, 0},
                        {{about::OkButton.left, about::OkButton.top}, 0}};
        const auto px = [dpi](int design) -> LONG {
            return units::pixels(design, units::DesignDpi, dpi);
        };
        HWND control = GetWindow(about, GW_CHILD);
        for (const auto& [at, height] : controls) {
            RECT r;
            GetWindowRect(control, &r);
            MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(std::pair(r.left, r.top), std::pair(px(at.left), px(at.top))) << dpi;
            EXPECT_TRUE(height == 0 || r.bottom - r.top == height)
                << dpi << ": " << r.bottom - r.top;
            control = GetWindow(control, GW_HWNDNEXT);
        }
        const HWND icon = GetWindow(GetWindow(about, GW_CHILD), GW_CHILD);
        EXPECT_EQ(clientArea(icon, icon), describe({0, 0, 24 * factor, 34 * factor})) << dpi;
    }
}

} // namespace
} // namespace zamut::win::testing
