// SPDX-License-Identifier: MIT
// The Windows board under Wine: layout in pixels, pictures and transparency,
// clicks and disabled images, and a whole match through the window's messages.

#include "ScriptedGenerator.h"
#include "windows/main/Form1.h"

#include "WaitFor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zamut::win {
namespace {

using testing::waitFor;

using zamut::testing::ScriptedGenerator;

constexpr std::array<int, 9> Order{3, 1, 4, 5, 9, 2, 6, 8, 7};
constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF DarkGold = RGB(198, 132, 0);
constexpr COLORREF Brown = RGB(132, 66, 0);

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A window's outer rectangle in its parent's client coordinates.
RECT placeInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// The board shown on the screen, with a scripted deal and recorded commands.
struct Board : ::testing::Test {
    // Every deal gives the computer the order 3 1 4 5 9 2 6 8 7.
    Board() {
        generator.nextDeal(Order);
        generator.nextDeal(Order);
        ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
        UpdateWindow(form.hwnd());
        pump();
        // On the screen once its green and the last hand card show there.
        waitFor([this] {
            pump();
            return screenPixel(form.hwnd(), 1, 1) == Green &&
                   screenPixel(hand(9), 1, 0) == DarkGold;
        });
    }
    static COLORREF screenPixel(HWND window, int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        const HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, at.x, at.y);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    // A window's client area as it is on the screen, row by row.
    static std::vector<COLORREF> screenPixels(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        Sleep(100); // Wine shows a window's new drawing on the screen a moment later
        RECT area;
        GetClientRect(window, &area);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        const HDC screen = GetDC(nullptr);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < area.bottom; ++y)
            for (int x = 0; x < area.right; ++x)
                pixels.push_back(GetPixel(screen, origin.x + x, origin.y + y));
        ReleaseDC(nullptr, screen);
        return pixels;
    }
    // The mouse pressed at a point of a window's client area and released at
    // another, through the system's input queue as a real mouse gives them.
    static void mouse(HWND window, POINT press, POINT release) {
        const auto input = [window](POINT at, DWORD button) {
            ClientToScreen(window, &at);
            INPUT event{};
            event.type = INPUT_MOUSE;
            event.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            event.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
            event.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | button;
            SendInput(1, &event, sizeof event);
            pump();
        };
        input(press, MOUSEEVENTF_LEFTDOWN);
        input(release, MOUSEEVENTF_LEFTUP);
    }
    static void click(HWND window) { mouse(window, {12, 17}, {12, 17}); }
    void menu(WORD item) {
        PostMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(item, 0), 0);
        pump();
    }
    HWND hand(int card) const { return form.image(handImage(card)).hwnd(); }

    ScriptedGenerator generator;
    std::vector<std::string> commands;
    Form1 form{generator,
               {.showAbout = [this] { commands.push_back("about"); },
                .exit = [this] { commands.push_back("exit"); },
                .closed = [] {}},
               nullptr,
               BoardScale{}};
};

TEST_F(Board, ControlsStandWhereTheBoardWasDesigned) {
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(describe(client), "0,0 453x358");
    for (int n = 1; n <= 9; ++n) {
        const int left = 64 + 40 * (n - 1);
        EXPECT_EQ(describe(placeInParent(form.image(computerRowImage(n)).hwnd())),
                  describe({left, 48, left + 24, 82}));
        EXPECT_EQ(describe(placeInParent(form.image(playerRowImage(n)).hwnd())),
                  describe({left, 96, left + 24, 130}));
        // Measured from the hand panel's client area, inside its edge.
        const int handLeft = 8 + 40 * (n - 1);
        EXPECT_EQ(describe(placeInParent(hand(n))), describe({handLeft, 8, handLeft + 24, 42}));
    }
    // The picture boxes: outer rectangles, and client areas inside a 2-pixel edge.
    const auto inner = [](HWND box) {
        RECT r;
        GetClientRect(box, &r);
        return describe(r);
    };
    EXPECT_EQ(describe(placeInParent(form.Picture1->hwnd())), "304,144 121x81");
    EXPECT_EQ(inner(form.Picture1->hwnd()), "0,0 117x77");
    EXPECT_EQ(describe(placeInParent(form.Picture2->hwnd())), "40,232 369x57");
    EXPECT_EQ(inner(form.Picture2->hwnd()), "0,0 365x53");
    // Labels keep their top-left corner and take the size of their text in the
    // game font (Monapo standing in for "ＭＳ Ｐゴシック" under Wine).
    const std::vector<std::pair<LabelControl*, std::string>> labels{
        {form.Label7.get(), "16,56 34x16"}, {form.Label8.get(), "8,104 44x16"},
        {form.Label2.get(), "40,8 34x16"},  {form.Label5.get(), "16,32 44x16"},
        {form.Label6.get(), "72,32 34x16"}, {form.Label3.get(), "32,56 9x16"},
        {form.Label4.get(), "80,56 9x16"},
    };
    for (const auto& [label, place] : labels)
        EXPECT_EQ(describe(placeInParent(label->hwnd())), place);
    EXPECT_FALSE(IsWindowVisible(form.Label1->hwnd())); // empty before the first game
    form.SetCaption(LabelId::Label4, "10");             // two digits widen it to the right
    EXPECT_EQ(describe(placeInParent(form.Label4->hwnd())), "80,56 18x16");
    // The round caption at its place; longer verdicts keep 8 pixels from the
    // score panel (left at 304), the longest wrapped between two such gaps.
    const std::vector<std::pair<const char*, std::string>> captions{
        {"１回戦", "207,168 54x19"},
        {"引き分けです", "182,168 114x19"},
        {"あなたはすごいです！！アカギと呼ばせてください", "8,168 288x38"},
    };
    for (const auto& [caption, place] : captions) {
        form.SetCaption(LabelId::Label1, caption);
        EXPECT_TRUE(IsWindowVisible(form.Label1->hwnd()));
        EXPECT_EQ(describe(placeInParent(form.Label1->hwnd())), place) << caption;
    }
}

TEST_F(Board, PicturesShowTheGreenThroughTheirCornersAndLookTheSameDisabled) {
    // Corners transparent on the board and in the hand panel; the top band of
    // a face and of the back.
    const auto at = [](const std::vector<COLORREF>& card, int x, int y) {
        return card.at(std::size_t(y * 24 + x));
    };
    const std::vector<COLORREF> back = screenPixels(form.image(playerRowImage(1)).hwnd());
    const std::vector<COLORREF> five = screenPixels(hand(5));
    for (const auto& card : {back, five}) {
        EXPECT_EQ(at(card, 0, 0), Green);
        EXPECT_EQ(at(card, 23, 33), Green);
    }
    EXPECT_EQ(at(back, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(at(five, 1, 0), DarkGold);
    EXPECT_EQ(at(five, 22, 0), Brown);
    // A hand card looks the same disabled (as it starts) and enabled.
    const std::vector<COLORREF> disabled = screenPixels(hand(9));
    form.SetCardEnabled(handImage(9), true);
    EXPECT_EQ(screenPixels(hand(9)), disabled);
}

TEST_F(Board, OnlyAnEnabledCardTakesAPressAndReleaseOnItself) {
    click(hand(3)); // before the first new game: disabled, nothing happens
    EXPECT_EQ(form.state.CurrentRound, 0);
    menu(Form1::start);
    EXPECT_EQ(form.Label1->text(), L"１回戦");
    mouse(hand(3), {12, 17}, {52, 17}); // pressed on card 3, released on card 4: no click
    EXPECT_EQ(form.state.CurrentRound, 1);
    click(hand(3));
    EXPECT_EQ(form.state.CurrentRound, 2);
    EXPECT_EQ(form.state.PlayerCard[1], 3);
    EXPECT_FALSE(IsWindowEnabled(hand(3)));
    EXPECT_EQ(form.image(handImage(3)).picture(), &form.Image1[0]);
    EXPECT_EQ(form.image(playerRowImage(1)).picture(), &form.Image1[3]);
    EXPECT_EQ(form.image(computerRowImage(1)).picture(), &form.Image1[3]);
    click(hand(3)); // played: disabled again
    EXPECT_EQ(form.state.CurrentRound, 2);
}

TEST_F(Board, AWholeMatchThroughTheWindowsMessagesAndInput) {
    menu(Form1::start);
    // The computer plays its order; the player answers each card with
    // the next higher one (9 with 1), winning eight rounds. What a played
    // card shows is the engine's and the test above's.
    for (const int card : {4, 2, 5, 6, 1, 3, 7, 9, 8})
        click(hand(card));
    EXPECT_EQ(form.Label1->text(), L"あなたの勝ちです");
    EXPECT_EQ(form.Label3->text(), L"80");
    EXPECT_EQ(form.Label4->text(), L"10");
    menu(Form1::version);
    menu(Form1::end);
    EXPECT_EQ(commands, (std::vector<std::string>{"about", "exit"}));
    EXPECT_EQ(form.Label1->text(), L"あなたの勝ちです"); // through every menu action but start
    menu(Form1::start);
    EXPECT_EQ(form.Label1->text(), L"１回戦");
    EXPECT_EQ(form.Label3->text(), L"0");
}

// Help with no engine beside the program: one message, which blocks nothing.
TEST_F(Board, HelpWithoutItsEngineSaysSoWhileTheBoardPlaysOn) {
    form.dlgCommonDialog.engine = L"Z:/nowhere/zamut-help.exe";
    const auto box = [] { return FindWindowW(L"#32770", L"ザムト"); };
    menu(Form1::zamut);
    ASSERT_TRUE(waitFor([&] { return box() != nullptr; }));
    menu(Form1::zamut);
    menu(Form1::start); // the board still answers
    EXPECT_EQ(form.Label1->text(), L"１回戦");
    wchar_t text[256] = {};
    GetDlgItemTextW(box(), 0xFFFF, text, 256);
    EXPECT_EQ(std::wstring(text), engineFailureText(form.dlgCommonDialog.engine));
    PostMessageW(box(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return box() == nullptr; }));
    EXPECT_EQ(FindWindowW(L"#32770", L"ザムト"), nullptr); // there was only one
}

} // namespace
} // namespace zamut::win
