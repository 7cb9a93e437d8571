#include "GameFixture.h"

#include "engine/Match.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <chrono>
#include <iostream>
#include <random>
#include <string>

namespace zamut {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    return qEnvironmentVariableIsEmpty(name) ? fallback : qgetenv(name).toULongLong();
}

// One match as the user sees it from the outside: the computer's dealt order,
// the player's card of each round, and the score that follows from them.
struct MatchModel {
    bool dealt = false;
    // Now and then a match is played in the computer's own order, the only
    // way to the praise for tying every round.
    bool mirrored = false;
    ByRound order{};
    int round = 0; // rounds played, 0..9
    ByRound played{};
    std::bitset<10> spent{}; // by card value
    int player = 0, computer = 0;

    bool Live() const { return dealt && round < RoundCount; }

    // Plays the player's card; true when that ends the match.
    bool Play(int card) {
        played[++round] = card;
        spent.set(static_cast<std::size_t>(card));
        const int theirs = order[round];
        (card > theirs ? player : computer) += card == theirs ? 0 : card + theirs;
        return round == RoundCount;
    }

    std::string Caption() const {
        if (round < RoundCount)
            return !dealt                         ? ""
                   : round == 0                   ? "１回戦"
                   : round == 1 && played[1] == 1 ? "２回戦"
                                                  : std::to_string(round + 1) + "回戦";
        return std::string(VerdictCaption(OutcomeOf({.PlayerCard = played,
                                                     .PlayerTotal = player,
                                                     .ComputerCard = order,
                                                     .ComputerTotal = computer})));
    }
};

enum class Action { PlayHand, ClickBoard, NewGame, Help, About, AboutOK, AboutKey, AboutCloseBox };

// Drives the real windows with random user actions and checks after each one
// that the board, the score and the windows agree with a model of the match.
class Monkey : public testing::GameFixture {
protected:
    // The engine's clock is scripted from the seed too, so a run replays exactly.
    Monkey()
        : GameFixture([steps = std::mt19937_64(Seed() ^ 0x5eedc10cULL),
                       time = Seed()]() mutable { return time += 1 + steps() % 1'000'000; },
                      Seed()) {
        // The offscreen platform cannot raise a window, and the About command asks
        // for it each time it finds the window open: only that warning is dropped.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (message != QLatin1String("This plugin does not support raise()"))
                    previousHandler(type, context, message);
            });
    }
    ~Monkey() override { qInstallMessageHandler(previousHandler); }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool AboutOpen() const { return game.about() != nullptr && game.about()->isVisible(); }

    void PerformRandomAction() {
        using enum Action;
        const int closing = AboutOpen() ? 1 : 0;
        // New games come often once a match is over, rarely in the middle of one.
        const std::array weights{60, 20, model.Live() ? 1 : 30, 2, 2, closing, closing, closing};
        const auto action = static_cast<Action>(
            std::discrete_distribution<int>(weights.begin(), weights.end())(random));
        if (action <= ClickBoard)
            Click(action == PlayHand);
        else if (action <= About) // the menu commands, in menu order
            std::array{form.start, form.zamut, form.version}[int(action) - int(NewGame)]->trigger();
        else if (action == AboutOK)
            QTest::mouseClick(game.about()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        else if (action == AboutKey)
            QTest::keyClick(game.about(), keys[Uniform(0, 2)]);
        else
            game.about()->close();
        QCoreApplication::processEvents();
        if (action == NewGame)
            model = {
                .dealt = true, .mirrored = Uniform(1, 20) == 1, .order = form.state.ComputerCard};
        helpRequests += action == Help ? 1 : 0;
        aboutExpectedOpen = action == About || (aboutExpectedOpen && action < AboutOK);
    }

    // A left click on a hand card, or a click of any button anywhere on the board.
    void Click(bool onHand) {
        const int aim =
            model.mirrored && model.Live() ? model.order[model.round + 1] : Uniform(1, RoundCount);
        QWidget* board = form.centralWidget();
        const QWidget* area = onHand ? form.Image2x[aim - 1] : board;
        const QPoint at = area->mapTo(
            board, QPoint(Uniform(0, area->width() - 1), Uniform(0, area->height() - 1)));
        const Qt::MouseButton button = onHand ? Qt::LeftButton : buttons[Uniform(0, 4)];
        QWidget* target = board->childAt(at) != nullptr ? board->childAt(at) : board;
        QTest::mouseClick(target, button, {}, target->mapFrom(board, at));
        // Only a left click on an unplayed hand card of a live match plays it.
        const auto hand = std::find(form.Image2x.begin(), form.Image2x.end(), target);
        const int card = static_cast<int>(hand - form.Image2x.begin()) + 1;
        if (card <= RoundCount && button == Qt::LeftButton && model.Live() && !model.spent[card])
            finishedMatches += model.Play(card) ? 1 : 0;
    }

    void Check() const {
        const MatchState& state = form.state;
        ASSERT_EQ(form.Label3->text().toStdString(), std::to_string(state.PlayerTotal));
        ASSERT_EQ(form.Label4->text().toStdString(), std::to_string(state.ComputerTotal));
        ASSERT_EQ(std::pair(state.PlayerTotal, state.ComputerTotal),
                  std::pair(model.player, model.computer));
        ASSERT_LE(model.player + model.computer, 90);
        ASSERT_EQ(form.Label1->text().toStdString(), model.Caption());
        ASSERT_EQ(state.ComputerCard, model.order);
        for (int n = 1; n <= RoundCount; ++n) {
            ASSERT_TRUE(n > model.round || state.PlayerCard[n] == model.played[n]) << "round " << n;
            ASSERT_EQ(form.Image2x[n - 1]->isEnabled(), model.Live() && !model.spent[n]) << n;
        }
        ASSERT_LE(
            std::ranges::count_if(QApplication::topLevelWidgets(),
                                  [](QWidget* window) { return qobject_cast<frmAbout*>(window); }),
            1);
        ASSERT_EQ(AboutOpen(), aboutExpectedOpen);
        ASSERT_EQ(help->requests.size(), helpRequests);
        ASSERT_TRUE(fatalErrors.isEmpty()) << fatalErrors.join(u'\n').toStdString();
    }

    inline static QtMessageHandler previousHandler = nullptr;
    static constexpr std::array buttons{Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                        Qt::MiddleButton, Qt::BackButton};
    static constexpr std::array keys{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter};
    static std::uint64_t Seed() {
        static const std::uint64_t seed = EnvNumber(
            "MONKEY_SEED", static_cast<std::uint64_t>(
                               std::chrono::system_clock::now().time_since_epoch().count()));
        return seed;
    }
    const std::uint64_t seed = Seed();
    std::mt19937_64 random{seed};

    MatchModel model;
    bool aboutExpectedOpen = false;
    std::size_t helpRequests = 0;
    std::uint64_t finishedMatches = 0;
};

TEST_F(Monkey, RandomUserActionsKeepBoardScoreAndWindowsConsistent) {
    const auto actions = EnvNumber("MONKEY_ACTIONS", 100'000);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(EnvNumber("MONKEY_SECONDS", 90));
    std::cout << "MONKEY_SEED=" << seed << std::endl;
    std::uint64_t done = 0;
    for (; done < actions && std::chrono::steady_clock::now() < deadline; ++done) {
        PerformRandomAction();
        Check();
        ASSERT_FALSE(HasFatalFailure()) << "MONKEY_SEED=" << seed << ", action " << done;
    }
    std::cout << done << " actions, " << finishedMatches << " matches played out" << std::endl;
    // A run cut short by the clock must still have done real work.
    EXPECT_GE(done, std::min<std::uint64_t>(actions, 5'000)) << "MONKEY_SEED=" << seed;
    EXPECT_GE(finishedMatches, done / 200) << "MONKEY_SEED=" << seed;
}

} // namespace
} // namespace zamut
