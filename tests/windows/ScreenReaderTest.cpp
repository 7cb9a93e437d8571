// SPDX-License-Identifier: MIT
// ザムト.exe as a screen reader meets it: through oleacc alone, from another
// process, a whole match played by default actions, every name read back and
// every event heard, checked against a shadow engine; then About, read and
// closed by its OK as the last window left, which ends the program.

#include "windows/main/Form1.h"

#include "ScriptedGenerator.h"
#include "SnapshotBoard.h"
#include "design/AboutText.h"
#include "design/AppInfo.h"
#include "design/Texts.h"
#include "engine/Match.h"

#include "Driving.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zamut::win::testing {
namespace {

using zamut::testing::ScriptedGenerator;
using zamut::testing::SnapshotBoard;

const VARIANT Self = [] {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}();

// A control's client object as a screen reader gets it.
struct Object {
    explicit Object(HWND window) {
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    }
    ~Object() {
        if (object != nullptr)
            object->Release();
    }
    std::wstring text(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*)) const {
        BSTR value = nullptr;
        (object->*read)(Self, &value);
        std::wstring text = value != nullptr ? value : L"";
        SysFreeString(value);
        return text;
    }
    std::wstring name() const { return text(&IAccessible::get_accName); }
    LONG number(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, VARIANT*)) const {
        VARIANT value{};
        (object->*read)(Self, &value);
        return value.lVal;
    }
    IAccessible* object = nullptr;
};

// The events the game raises, as a WinEvent hook hears them.
std::vector<std::pair<DWORD, HWND>> heard;

void CALLBACK hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT &&
        (event == EVENT_SYSTEM_ALERT || event == EVENT_OBJECT_NAMECHANGE ||
         event == EVENT_OBJECT_STATECHANGE))
        heard.emplace_back(event, window);
}

TEST(ScreenReader, PlaysAWholeMatchByDefaultActionsAndHearsEachChange) {
    CoInitialize(nullptr);
    const Process program(winePath(ZAMUT_PROGRAM_FILE));
    const HWND board = waitForWindow(L"Form1", program.info.dwProcessId);
    ASSERT_NE(board, nullptr);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, hear,
                        program.info.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    const HWND scores = GetDlgItem(board, Form1::pictureId(1));
    const HWND hand = GetDlgItem(board, Form1::pictureId(2));
    const auto window = [&](ImageId id) {
        return GetDlgItem(id.row == ImageRow::Hand ? hand : board, Form1::controlId(id));
    };
    const HWND caption = GetDlgItem(board, Form1::labelId(1));

    // The two panels are groups, named with every other control below.
    for (const HWND group : {scores, hand})
        EXPECT_EQ(Object(group).number(&IAccessible::get_accRole), ROLE_SYSTEM_GROUPING);
    const auto press = [&](int card) {
        return Object(window(handImage(card))).object->accDoDefaultAction(Self);
    };
    // The names every control of the shadow's board should have, the groups'
    // and the fixed labels' too.
    const auto expectedNames = [&](const SnapshotBoard& shadow) {
        std::map<HWND, std::wstring> names{
            {caption, widen(shadow.caption(LabelId::Label1))},
            {scores, widen(texts::Score)},
            {hand, widen(texts::Hand)},
            {GetDlgItem(board, Form1::labelId(7)), widen(texts::Computer)},
            {GetDlgItem(scores, Form1::labelId(2)), widen(texts::Score)}};
        for (const LabelId total : {LabelId::Label3, LabelId::Label4})
            names[GetDlgItem(scores, Form1::labelId(static_cast<int>(total)))] =
                widen(texts::totalName(total, shadow.caption(total)));
        for (const ImageRow row : {ImageRow::Hand, ImageRow::Player, ImageRow::Computer})
            for (int n = 1; n <= RoundCount; ++n)
                names[window({row, n})] =
                    widen(texts::imageName({row, n}, shadow.picture({row, n})));
        return names;
    };

    // Before the first new game a card's action does nothing.
    const Object five(window(handImage(5)));
    EXPECT_EQ(five.number(&IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(five.text(&IAccessible::get_accDefaultAction), widen(texts::PressAction));
    EXPECT_EQ(five.number(&IAccessible::get_accState), STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(press(5), S_FALSE);

    // A new game from the menu, then nine cards by their actions; what each
    // step left is read back. The computer's cards show one by one.
    const std::array<int, 9> mine{5, 1, 9, 2, 8, 3, 7, 4, 6};
    std::array<int, 9> theirs{};
    std::vector<std::map<HWND, std::wstring>> seen;
    std::vector<std::multiset<std::pair<DWORD, HWND>>> events;
    std::vector<std::wstring> told; // with the alert: the round played and the totals
    for (int step = 0; step <= RoundCount; ++step) {
        pump();
        heard.clear();
        if (step == 0)
            PostMessageW(board, WM_COMMAND, MAKEWPARAM(Form1::start, 0), 0);
        else
            EXPECT_EQ(press(mine[static_cast<std::size_t>(step - 1)]), S_OK);
        ASSERT_TRUE(waitFor([&] {
            pump();
            return std::count(heard.begin(), heard.end(),
                              std::pair(DWORD{EVENT_SYSTEM_ALERT}, caption)) == 1;
        })) << step;
        Sleep(100); // for a late event that should not come
        pump();
        events.emplace_back(heard.begin(), heard.end());
        seen.emplace_back();
        for (const auto& [control, name] : expectedNames(SnapshotBoard()))
            seen.back()[control] = Object(control).name();
        told.push_back(Object(caption).text(&IAccessible::get_accDescription));
        if (step > 0) {
            const std::wstring computer = Object(window(computerRowImage(step))).name();
            theirs[static_cast<std::size_t>(step - 1)] = computer[computer.size() - 2] - L'0';
        }
    }
    UnhookWinEvent(hook);

    // The same steps on the shadow engine: the names after each, and an event
    // for exactly what changed, an alert with the caption every time.
    ScriptedGenerator deal;
    deal.nextDeal(theirs);
    MatchState state;
    SnapshotBoard shadow;
    for (int step = 0; step <= RoundCount; ++step) {
        const auto before = expectedNames(shadow);
        const auto enabled = shadow.enabled;
        if (step == 0)
            NewGame(state, shadow, deal);
        else
            PlayCard(state, shadow, mine[static_cast<std::size_t>(step - 1)]);
        const auto after = expectedNames(shadow);
        EXPECT_EQ(seen[static_cast<std::size_t>(step)], after) << "step " << step;
        const auto total = [&](int label) { return after.at(GetDlgItem(scores, label)); };
        EXPECT_EQ(told[static_cast<std::size_t>(step)],
                  step == 0 ? L""
                            : after.at(window(playerRowImage(step))) + L" " +
                                  after.at(window(computerRowImage(step))) + L" " + total(3) +
                                  L" " + total(4));
        std::multiset<std::pair<DWORD, HWND>> expected{{EVENT_SYSTEM_ALERT, caption}};
        for (const auto& [control, name] : after)
            if (before.at(control) != name)
                expected.emplace(EVENT_OBJECT_NAMECHANGE, control);
        for (int card = 1; card <= HighestCard; ++card)
            if (enabled[SnapshotBoard::key(handImage(card))] !=
                shadow.enabled[SnapshotBoard::key(handImage(card))])
                expected.emplace(EVENT_OBJECT_STATECHANGE, window(handImage(card)));
        EXPECT_EQ(events[static_cast<std::size_t>(step)], expected) << "step " << step;
    }

    // The About window: its labels read their texts, and OK presses by its
    // default action. With the board closed first, About keeps the program
    // running; closed, the last window, it ends the program.
    PostMessageW(board, WM_COMMAND, MAKEWPARAM(Form1::version, 0), 0);
    const HWND about = waitForWindow(L"frmAbout", program.info.dwProcessId);
    ASSERT_NE(about, nullptr);
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(about, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const Object object(child);
        if (object.number(&IAccessible::get_accRole) == ROLE_SYSTEM_STATICTEXT)
            texts.push_back(object.name());
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{widen(AppInfo.Title), widen(about::VersionLine),
                                                widen(about::Copyright), widen(about::Author),
                                                widen(about::Contact), widen(about::Disclaimer)}));
    const Object ok(GetDlgItem(about, IDOK));
    EXPECT_EQ(ok.number(&IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(ok.name(), L"OK");
    PostMessageW(board, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(board); }));
    EXPECT_EQ(program.exitCode(200), STILL_ACTIVE);
    EXPECT_EQ(ok.object->accDoDefaultAction(Self), S_OK);
    EXPECT_EQ(program.exitCode(5000), 0U);
    CoUninitialize();
}

} // namespace
} // namespace zamut::win::testing
