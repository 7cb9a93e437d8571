// SPDX-License-Identifier: MIT
// The program ザムト.exe driven from outside through its windows' messages:
// the About window (caption on every load, one instance, Esc and Enter,
// reopening, the exit command with it open), the board at 192 dpi and About
// at 96, 144 and 192 dpi.

#include "windows/main/Form1.h"

#include "design/AboutLayout.h"
#include "windows/widgets/GameFont.h"

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

// The height of a line of the game font at a size in pixels, measured here.
LONG lineHeight(int pixels, bool bold) {
    const HFONT font = createGameFont(pixels, bold);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return metrics.tmHeight;
}

// The About window laid out for the screen as the board is, at 96, 144 (150 %,
// where the design's halves round away from zero) and 192 dpi: its client area
// and each control's corner by the design's rule, the title and text lines in
// the game font at the design's points, and the icon enlarged by the board's
// whole factor.
TEST(HighDpi, TheAboutWindowScalesAsTheBoardDoes) {
    SetProcessDPIAware();
    for (const auto& [dpi, client] :
         {std::pair(96, "156,129 382x237"), std::pair(144, "234,194 573x355"),
          std::pair(192, "312,258 764x474")}) {
        const ScreenDpi screen(static_cast<DWORD>(dpi));
        const Program program;
        program.command(Form1::version);
        const HWND about = program.find(L"frmAbout");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(clientArea(about, nullptr), client);
        // The controls as made: picIcon, Label1 to 4, the two texts, cmdOK.
        const int text = units::fromCentipoints(about::FontCentipoints, dpi);
        const struct {
            layout::Point at;
            LONG height; // of a label on one line, 0: not one
        } controls[] = {
            {about::IconAt, 0},
            {about::Label1, lineHeight(units::fromCentipoints(about::TitleCentipoints, dpi), true)},
            {about::Label2, lineHeight(text, false)},
            {about::Label3, lineHeight(text, false)},
            {about::Label4, lineHeight(text, false)},
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
        const int factor = dpi / 96;
        EXPECT_EQ(clientArea(icon, icon), describe({0, 0, 24 * factor, 34 * factor})) << dpi;
    }
}

} // namespace
} // namespace zamut::win::testing
