// SPDX-License-Identifier: MIT
// The Windows board under Wine: layout in pixels, the real mouse on a hand
// card, which looks the same disabled and enabled, and the help command
// without its engine.

#include "ScriptedGenerator.h"
#include "design/BoardLayout.h"
#include "design/Units.h"
#include "windows/main/Form1.h"

#include "Driving.h"

#include <gtest/gtest.h>

#include <string>

namespace zamut::win::testing {
namespace {

constexpr COLORREF DarkGold = RGB(198, 132, 0);
// No help engine stands beside the tests.
constexpr wchar_t NoEngine[] = L"Z:/nowhere/zamut-help.exe";

// Design twips as pixels on the 96-dpi screen the tests run on.
int px(int twips) {
    return units::fromTwips(twips, units::DesignDpi);
}

// A control's place as the tests describe one: at a design point, in pixels.
std::string place(layout::Point at, int width, int height) {
    return describe({px(at.left), px(at.top), px(at.left) + width, px(at.top) + height});
}

// A window's outer rectangle in its parent's client coordinates, or "hidden".
std::string placeInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return IsWindowVisible(window) ? describe(r) : "hidden";
}

// The board shown on the screen. What the computer deals, the engine tests
// see.
struct Board : ::testing::Test {
    Board() {
        ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
        // On the screen once the last hand card shows there.
        waitFor([this] { return screenPixels(hand(9))[1] == DarkGold; });
    }
    // The mouse pressed at a point of a window's client area and released at
    // another, through the system's input queue as a real mouse gives them.
    static void mouse(HWND window, POINT press, POINT release) {
        for (auto [at, button] :
             {std::pair(press, MOUSEEVENTF_LEFTDOWN), std::pair(release, MOUSEEVENTF_LEFTUP)}) {
            ClientToScreen(window, &at);
            SetCursorPos(at.x, at.y);
            mouse_event(button, 0, 0, 0, 0);
            pump();
        }
    }
    void menu(WORD item) { SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(item, 0), 0); }
    HWND hand(int card) const { return form.image(handImage(card)).hwnd(); }
    HWND picture(int n) const { return GetDlgItem(form.hwnd(), Form1::pictureId(n)); }
    // Labels 2 to 6 stand in the score panel, Picture1.
    HWND label(int n) const {
        return GetDlgItem(n >= 2 && n <= 6 ? picture(1) : form.hwnd(), Form1::labelId(n));
    }

    // Which command opens About and which ends the program is the lifetime
    // tests' to see, in the whole program.
    zamut::testing::ScriptedGenerator generator;
    Form1 form{generator, {[] {}, [] {}, [] {}}, nullptr, ScreenScale{}, NoEngine};
};

TEST_F(Board, EveryControlStandsInPlace) {
    for (int n = 1; n <= HighestCard; ++n) {
        // Hand cards measured from the hand panel's client area, inside its edge.
        for (const ImageId id : {computerRowImage(n), playerRowImage(n), handImage(n)})
            EXPECT_EQ(placeInParent(form.image(id).hwnd()),
                      place(layout::cardAt(id), px(layout::CardWidth), px(layout::CardHeight)));
    }
    // The picture boxes: client areas inside a 2-pixel edge. Labels keep their
    // top-left corner and take the size of their text in the game font (Monapo
    // standing in for "ＭＳ Ｐゴシック" under Wine).
    for (const auto& [n, box] : {std::pair(1, layout::Picture1), std::pair(2, layout::Picture2)}) {
        EXPECT_EQ(placeInParent(picture(n)),
                  place({box.left, box.top}, px(box.width), px(box.height)));
        EXPECT_EQ(clientArea(picture(n), picture(n)),
                  place({0, 0}, px(box.width) - 4, px(box.height) - 4));
    }
    // Label1 is hidden while empty, as before the first game.
    const std::vector<std::pair<int, std::string>> labels{
        {7, place(layout::Label7, 34, 16)}, {8, place(layout::Label8, 44, 16)},
        {2, place(layout::Label2, 34, 16)}, {5, place(layout::Label5, 44, 16)},
        {6, place(layout::Label6, 34, 16)}, {3, place(layout::Label3, 9, 16)},
        {4, place(layout::Label4, 9, 16)},  {1, "hidden"},
    };
    for (const auto& [n, where] : labels)
        EXPECT_EQ(placeInParent(label(n)), where) << "Label" << n;
    form.SetCaption(LabelId::Label4, "10"); // two digits widen it to the right
    EXPECT_EQ(placeInParent(label(4)), place(layout::Label4, 18, 16));
    // The round caption at its place; longer verdicts keep 8 pixels from the
    // score panel (left at 304), the longest wrapped between two such gaps.
    const std::vector<std::pair<const char*, std::string>> captions{
        {"１回戦", "207,168 54x19"},
        {"引き分けです", "182,168 114x19"},
        {"あなたはすごいです！！アカギと呼ばせてください", "8,168 288x38"},
    };
    for (const auto& [caption, where] : captions) {
        form.SetCaption(LabelId::Label1, caption);
        EXPECT_EQ(placeInParent(label(1)), where) << caption;
    }
}

// What a press does, and what a card's state and name become, is the
// screen-reader test's to see; here the real mouse: a click plays the card
// and shows the round's pictures, a press let go elsewhere plays nothing.
// A card looks the same disabled, as it starts, and enabled.
TEST_F(Board, AClickOnAHandCardPlaysItAndShowsTheRound) {
    const std::vector<COLORREF> disabled = screenPixels(hand(4));
    menu(Form1::start);
    EXPECT_EQ(screenPixels(hand(4)), disabled);
    mouse(hand(4), {12, 17}, {52, 17}); // pressed on card 4, released on card 5: no click
    EXPECT_EQ(form.state().CurrentRound, 1);
    mouse(hand(4), {12, 17}, {12, 17}); // a click
    EXPECT_EQ(form.image(handImage(4)).picture(), &form.picture(BackPicture));
    EXPECT_EQ(form.image(playerRowImage(1)).picture(), &form.picture(4));
}

// Help with no engine beside the program: one message, which blocks nothing,
// as the help command, on the board's thread (this one), returns while it shows.
TEST_F(Board, HelpWithoutItsEngineSaysSoWhileTheBoardPlaysOn) {
    menu(Form1::zamut);
    const HWND box = waitForWindow(L"#32770", GetCurrentProcessId());
    ASSERT_NE(box, nullptr);
    menu(Form1::zamut); // no second message while one shows
    EXPECT_FALSE(
        waitFor([] { return windowsOf(L"#32770", GetCurrentProcessId()).size() > 1; }, 5000));
    EXPECT_EQ(windowText(box), L"ザムト");
    EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), engineFailureText(NoEngine));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }));
}

} // namespace
} // namespace zamut::win::testing
