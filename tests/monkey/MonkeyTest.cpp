// SPDX-License-Identifier: MIT
// Random user actions on the real windows, checked against a shadow engine.
#include "GameFixture.h"
#include "ScriptedGenerator.h"
#include "SnapshotBoard.h"

#include "engine/Match.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <iostream>
#include <random>
#include <string>

namespace zamut {
namespace {

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    return qEnvironmentVariableIsEmpty(name) ? fallback : qgetenv(name).toULongLong();
}

using testing::SnapshotBoard;

enum class Action { PlayHand, ClickBoard, NewGame, Help, About, AboutClose };

// Drives the real windows with random user actions and checks after each one
// that the windows agree with a shadow engine and the board it drew.
class Monkey : public testing::GameFixture {
protected:
    // The engine's clock is scripted from the seed too, so a run replays exactly.
    Monkey()
        : GameFixture([steps = std::mt19937_64(runSeed() ^ 0x5eedc10cULL),
                       time = runSeed()]() mutable { return time += 1 + steps() % 1'000'000; },
                      runSeed()) {
        // The offscreen platform cannot raise a window, and the About command asks
        // for it each time it finds the window open: only that warning is dropped.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (message != QLatin1String("This plugin does not support raise()"))
                    previousHandler(type, context, message);
            });
    }
    ~Monkey() override { qInstallMessageHandler(previousHandler); }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool live() const {
        return std::ranges::any_of(snapshot.enabled, [](bool on) { return on; });
    }
    bool aboutOpen() const { return game.about() != nullptr && game.about()->isVisible(); }

    void performRandomAction() {
        using enum Action;
        // New games come often once a match is over, rarely in the middle of one.
        const std::array weights{60, 20, live() ? 1 : 30, 2, 2, aboutOpen() ? 3 : 0};
        const auto action = static_cast<Action>(
            std::discrete_distribution<int>(weights.begin(), weights.end())(random));
        if (action <= ClickBoard)
            click(action == PlayHand);
        else if (action <= About) // the menu commands, in menu order
            std::array{form.menu().start, form.menu().zamut,
                       form.menu().version}[int(action) - int(NewGame)]
                ->trigger();
        else // by its close box; OK, Enter and Esc are the About window's test's
            game.about()->close();
        QCoreApplication::processEvents();
        if (action == NewGame) {
            // The deal's chance is the engine tests' concern: the shadow deals alike.
            testing::ScriptedGenerator alike;
            for (int n = 1; n <= RoundCount; ++n)
                alike.script.push_back(testing::fractionFor(form.state().ComputerCard[n]));
            zamut::NewGame(shadow, snapshot, alike);
            mirrored = uniform(1, 20) == 1;
        }
        helpRequests += action == Help ? 1 : 0;
        aboutExpectedOpen = action == About || (aboutExpectedOpen && action != AboutClose);
        aboutMade = aboutMade || action == About; // the first About command makes it
    }

    // A left click on a hand card, or a click of any button anywhere on the board.
    void click(bool onHand) {
        // Now and then a match follows the computer's own order, the only way
        // to the praise for tying every round.
        const int aim =
            mirrored && live() ? shadow.ComputerCard[shadow.CurrentRound] : uniform(1, RoundCount);
        QWidget* board = form.centralWidget();
        const QWidget* area = onHand ? form.image(handImage(aim)) : board;
        const QPoint at = area->mapTo(
            board, QPoint(uniform(0, area->width() - 1), uniform(0, area->height() - 1)));
        const Qt::MouseButton button = onHand ? Qt::LeftButton : buttons[uniform(0, 4)];
        QWidget* target = board->childAt(at) != nullptr ? board->childAt(at) : board;
        QTest::mouseClick(target, button, {}, target->mapFrom(board, at));
        // Only a left click on an enabled hand card plays it.
        int card = 1;
        while (card <= RoundCount && form.image(handImage(card)) != target)
            ++card;
        if (card <= RoundCount && button == Qt::LeftButton &&
            snapshot.enabled[SnapshotBoard::key(handImage(card))]) {
            finishedMatches += shadow.CurrentRound == RoundCount ? 1 : 0;
            zamut::PlayCard(shadow, snapshot, card);
        }
    }

    void check() const {
        ASSERT_EQ(form.state(), shadow);
        for (const LabelId id : {LabelId::Label1, LabelId::Label3, LabelId::Label4})
            ASSERT_EQ(form.label(id)->text().toStdString(), snapshot.captions[std::size_t(id)]);
        for (const LabelId total : {LabelId::Label3, LabelId::Label4}) // two digits fit too
            ASSERT_EQ(form.label(total)->size(), form.label(total)->sizeHint());
        ASSERT_EQ(form.label(LabelId::Label1)->isVisible(), !snapshot.captions[1].empty());
        for (const ImageRow row : {ImageRow::Hand, ImageRow::Player, ImageRow::Computer}) {
            for (int n = 1; n <= RoundCount; ++n) {
                const std::size_t key = SnapshotBoard::key({row, n});
                ASSERT_TRUE(shows({row, n}, snapshot.pictures[key])) << key;
                ASSERT_EQ(form.image({row, n})->isEnabled(),
                          row != ImageRow::Hand || snapshot.enabled[key])
                    << key;
            }
        }
        ASSERT_LE(
            std::ranges::count_if(QApplication::topLevelWidgets(),
                                  [](QWidget* window) { return qobject_cast<frmAbout*>(window); }),
            1);
        ASSERT_EQ(aboutOpen(), aboutExpectedOpen);
        ASSERT_EQ(game.about() != nullptr, aboutMade);
        // One request a command; what it asks for is the screen-reader test's, which opens
        // the help from the real game and reads it.
        ASSERT_EQ(help->requests.size(), helpRequests);
        ASSERT_TRUE(fatalErrors.isEmpty()) << fatalErrors.join(u'\n').toStdString();
    }

    inline static QtMessageHandler previousHandler = nullptr;
    static constexpr std::array buttons{Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                        Qt::MiddleButton, Qt::BackButton};
    static std::uint64_t runSeed() {
        static const std::uint64_t seed = envNumber(
            "MONKEY_SEED", static_cast<std::uint64_t>(
                               std::chrono::system_clock::now().time_since_epoch().count()));
        return seed;
    }
    std::mt19937_64 random{runSeed()};

    MatchState shadow;
    SnapshotBoard snapshot;
    bool mirrored = false;
    bool aboutExpectedOpen = false;
    bool aboutMade = false;
    std::size_t helpRequests = 0;
    std::uint64_t finishedMatches = 0;
};

TEST_F(Monkey, RandomUserActionsKeepBoardScoreAndWindowsConsistent) {
    const auto actions = envNumber("MONKEY_ACTIONS", 100'000);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(envNumber("MONKEY_SECONDS", 90));
    std::cout << "MONKEY_SEED=" << runSeed() << std::endl;
    std::uint64_t done = 0;
    check(); // the fresh board
    for (; done < actions && std::chrono::steady_clock::now() < deadline; ++done) {
        performRandomAction();
        check();
        ASSERT_FALSE(HasFatalFailure()) << "MONKEY_SEED=" << runSeed() << ", action " << done;
    }
    std::cout << done << " actions, " << finishedMatches << " matches played out" << std::endl;
    // A run cut short by the clock must still have done real work.
    EXPECT_GE(done, std::min<std::uint64_t>(actions, 5'000)) << "MONKEY_SEED=" << runSeed();
    EXPECT_GE(finishedMatches, done / 200) << "MONKEY_SEED=" << runSeed();
}

} // namespace
} // namespace zamut
