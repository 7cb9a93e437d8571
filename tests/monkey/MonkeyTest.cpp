#include "app/Game.h"
#include "platform/testing/RecordingHelpLauncher.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace zamut {
namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// The offscreen platform cannot raise a window, and the About command asks
// for it each time it finds the window open: only that warning is dropped.
QtMessageHandler previousHandler = nullptr;
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()")) {
        previousHandler(type, context, message);
    }
}

// One match as the user sees it from the outside: what was dealt, which cards
// were played in which round, and the score that follows from them.
struct MatchModel {
    bool dealt = false;            // a new game was ever started
    int round = 0;                 // rounds played in this match, 0..9
    std::array<int, 10> played{};  // the player's card of round n (1..9), 0 while unplayed
    std::array<int, 10> order{};   // the computer's card of round n, as dealt
    std::array<bool, 10> inHand{}; // card v not yet played in this match
    int player = 0;
    int computer = 0;

    bool Live() const { return dealt && round < 9; }

    void Deal(const MatchState& state) {
        *this = {};
        dealt = true;
        inHand.fill(true);
        for (int n = 1; n <= 9; ++n) {
            order[static_cast<std::size_t>(n)] = state.ComputerCard[n];
        }
    }

    void Play(int card) {
        const auto n = static_cast<std::size_t>(++round);
        played[n] = card;
        inHand[static_cast<std::size_t>(card)] = false;
        const int c = order[n];
        (card > c ? player : computer) += card == c ? 0 : card + c;
    }

    QString Caption() const {
        if (!dealt) {
            return {};
        }
        if (round == 0) {
            return QStringLiteral("１回戦");
        }
        if (round == 1 && played[1] == 1) {
            return QStringLiteral("２回戦");
        }
        if (round < 9) {
            return QStringLiteral("%1回戦").arg(round + 1);
        }
        if (player != computer) {
            return player > computer ? QStringLiteral("あなたの勝ちです")
                                     : QStringLiteral("あなたの負けです");
        }
        return played == order ? QStringLiteral("あなたはすごいです！！アカギと呼ばせてください")
                               : QStringLiteral("引き分けです");
    }
};

enum class Action {
    PlayHand,
    ClickBoard,
    NewGame,
    Help,
    About,
    AboutOK,
    AboutEsc,
    AboutEnter,
    AboutCloseBox
};

const char* ActionName(Action action) {
    static const std::array<const char*, 9> names{"hand click", "board click", "new game",
                                                  "help",       "about",       "About OK",
                                                  "About Esc",  "About Enter", "About close box"};
    return names.at(static_cast<std::size_t>(action));
}

struct Step {
    Action action = Action::PlayHand;
    Qt::MouseButton button = Qt::NoButton;
    QPoint at;      // on the board's client area, for clicks
    QString target; // the widget that took the click
};

std::string Describe(const Step& step) {
    std::ostringstream text;
    text << ActionName(step.action);
    if (step.button != Qt::NoButton) {
        text << " button " << step.button << " at (" << step.at.x() << ", " << step.at.y()
             << ") on " << step.target.toStdString();
    }
    return text.str();
}

// Drives the real windows with random user actions and checks after each one
// that the board, the score and the windows agree with a model of the match.
class Monkey : public ::testing::Test {
protected:
    Monkey() {
        auto launcher = std::make_unique<RecordingHelpLauncher>();
        help = launcher.get();
        form.dlgCommonDialog.SetLauncher(std::move(launcher));
        form.show();
        previousHandler = qInstallMessageHandler(DropRaiseWarnings);
    }
    ~Monkey() override { qInstallMessageHandler(previousHandler); }

    Step Choose() {
        const bool aboutOpen = game.about() != nullptr && game.about()->isVisible();
        // New games come often once a match is over, rarely in the middle of one.
        const std::array<int, 9> weights{60,
                                         20,
                                         model.Live() ? 1 : 30,
                                         2,
                                         2,
                                         aboutOpen ? 1 : 0,
                                         aboutOpen ? 1 : 0,
                                         aboutOpen ? 1 : 0,
                                         aboutOpen ? 1 : 0};
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        Step step;
        step.action = static_cast<Action>(pick(random));
        if (step.action == Action::PlayHand) {
            // Now and then a match is played in the computer's own order, the
            // only way to the praise for tying every round.
            const int v = mirrorMatch && model.Live()
                              ? model.order[static_cast<std::size_t>(model.round + 1)]
                              : Uniform(1, 9);
            const QWidget* card = form.Image(HandImage(v));
            const QPoint corner = card->mapTo(form.centralWidget(), QPoint(0, 0));
            step.at =
                corner + QPoint(Uniform(0, card->width() - 1), Uniform(0, card->height() - 1));
            step.button = Qt::LeftButton;
        } else if (step.action == Action::ClickBoard) {
            const QWidget* board = form.centralWidget();
            step.at = {Uniform(0, board->width() - 1), Uniform(0, board->height() - 1)};
            static constexpr std::array<Qt::MouseButton, 5> buttons{
                Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton};
            step.button = buttons.at(static_cast<std::size_t>(Uniform(0, 4)));
        }
        return step;
    }

    void Perform(Step& step) {
        switch (step.action) {
        case Action::PlayHand:
        case Action::ClickBoard:
            Click(step);
            break;
        case Action::NewGame:
            form.start->trigger();
            model.Deal(form.state);
            mirrorMatch = Uniform(1, 20) == 1;
            ++newGames;
            break;
        case Action::Help:
            form.zamut->trigger();
            ++helpRequests;
            break;
        case Action::About:
            form.version->trigger();
            aboutExpectedOpen = true;
            if (firstAbout == nullptr)
                firstAbout = game.about();
            break;
        case Action::AboutOK:
            QTest::mouseClick(game.about()->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
            aboutExpectedOpen = false;
            break;
        case Action::AboutEsc:
            QTest::keyClick(game.about(), Qt::Key_Escape);
            aboutExpectedOpen = false;
            break;
        case Action::AboutEnter:
            QTest::keyClick(game.about(), Uniform(0, 1) == 0 ? Qt::Key_Return : Qt::Key_Enter);
            aboutExpectedOpen = false;
            break;
        case Action::AboutCloseBox:
            game.about()->close();
            aboutExpectedOpen = false;
            break;
        }
        QCoreApplication::processEvents();
    }

    void Click(Step& step) {
        QWidget* board = form.centralWidget();
        QWidget* target = board->childAt(step.at);
        if (target == nullptr) {
            target = board;
        }
        step.target = target->objectName().isEmpty()
                          ? QString::fromLatin1(target->metaObject()->className())
                          : target->objectName();
        QTest::mouseClick(target, step.button, {}, target->mapFrom(board, step.at));
        // Only a left click on an unplayed hand card of a live match plays it.
        for (int v = 1; v <= 9; ++v) {
            if (target == form.Image(HandImage(v)) && step.button == Qt::LeftButton &&
                model.Live() && model.inHand[static_cast<std::size_t>(v)]) {
                model.Play(v);
                if (model.round == 9)
                    ++verdicts[model.Caption().toStdString()];
            }
        }
    }

    bool Shows(ImageId id, int picture) const {
        return form.Image(id)->picture().cacheKey() ==
               form.Image1[static_cast<std::size_t>(picture)].cacheKey();
    }

    // The first broken invariant, or empty.
    std::string Broken() const {
        const MatchState& s = form.state;
        if (form.Label3->text() != QString::number(model.player) || s.PlayerTotal != model.player)
            return "player's total " + form.Label3->text().toStdString() + ", expected " +
                   std::to_string(model.player);
        if (form.Label4->text() != QString::number(model.computer) ||
            s.ComputerTotal != model.computer)
            return "computer's total " + form.Label4->text().toStdString() + ", expected " +
                   std::to_string(model.computer);
        if (model.player > 90 || model.computer > 90 || model.player + model.computer > 90)
            return "totals beyond 90";
        if (form.Label1->text() != model.Caption())
            return "Label1 reads \"" + form.Label1->text().toStdString() + "\", expected \"" +
                   model.Caption().toStdString() + "\"";
        if (model.dealt && s.CurrentRound != std::min(model.round + 1, 9))
            return "CurrentRound " + std::to_string(s.CurrentRound);
        for (int n = 1; n <= 9; ++n) {
            const auto at = static_cast<std::size_t>(n);
            if (model.dealt && s.ComputerCard[n] != model.order[at])
                return "the computer's order changed in round " + std::to_string(n);
            if (n <= model.round && s.PlayerCard[n] != model.played[at])
                return "PlayerCard of round " + std::to_string(n);
            const bool played = n <= model.round;
            if (!Shows(PlayerRowImage(n), played ? model.played[at] : 0) ||
                !Shows(ComputerRowImage(n), played ? model.order[at] : 0))
                return "row images of round " + std::to_string(n);
            const bool inHand = !model.dealt || model.inHand[at];
            if (!Shows(HandImage(n), inHand ? n : 0))
                return "hand image of card " + std::to_string(n);
            if (form.Image(HandImage(n))->isEnabled() != (model.Live() && inHand))
                return "enabled state of hand card " + std::to_string(n);
        }
        if (model.dealt) {
            std::array<bool, 10> seen{};
            for (int n = 1; n <= 9; ++n)
                seen.at(static_cast<std::size_t>(model.order[static_cast<std::size_t>(n)])) = true;
            if (seen[0] || std::count(seen.begin(), seen.end(), true) != 9)
                return "the deal is not 1..9 once each";
        }
        int aboutObjects = 0;
        int aboutVisible = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmAbout*>(window) != nullptr) {
                ++aboutObjects;
                aboutVisible += window->isVisible();
            }
        }
        if (aboutObjects > 1 || aboutVisible > 1 || aboutVisible != int{aboutExpectedOpen})
            return std::to_string(aboutObjects) + " About windows, " +
                   std::to_string(aboutVisible) + " visible";
        if (game.about() != firstAbout)
            return "a second About object";
        if (!form.isVisible())
            return "the board window is gone";
        if (help->requests.size() != helpRequests)
            return std::to_string(help->requests.size()) + " help requests";
        if (!fatalErrors.isEmpty())
            return "fatal error: " + fatalErrors.join(u'\n').toStdString();
        return {};
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    const std::uint64_t seed = EnvNumber(
        "MONKEY_SEED",
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::mt19937_64 random{seed};
    // The engine's clock is scripted from the seed too, so a run replays exactly.
    std::mt19937_64 clockSteps{seed ^ 0x5eedc10cULL};
    std::uint64_t clockTime = seed;
    ClockMixedGenerator generator{[this] { return clockTime += 1 + clockSteps() % 1'000'000; },
                                  seed};
    QStringList fatalErrors;
    Game game{generator, [this](const QString& what) { fatalErrors.append(what); }};
    Form1& form = game.board();
    RecordingHelpLauncher* help = nullptr;

    MatchModel model;
    bool mirrorMatch = false;
    bool aboutExpectedOpen = false;
    frmAbout* firstAbout = nullptr;
    std::size_t helpRequests = 0;
    int newGames = 0;
    std::map<std::string, int> verdicts; // how often each verdict came
};

TEST_F(Monkey, RandomUserActionsKeepBoardScoreAndWindowsConsistent) {
    const auto actions = EnvNumber("MONKEY_ACTIONS", 100'000);
    const auto seconds = EnvNumber("MONKEY_SECONDS", 90);
    std::cout << "MONKEY_SEED=" << seed << " (up to " << actions << " actions, " << seconds << " s)"
              << std::endl;

    const auto startTime = std::chrono::steady_clock::now();
    const auto deadline = startTime + std::chrono::seconds(seconds);
    std::deque<Step> recent; // the last actions, for the failure report
    std::uint64_t done = 0;
    for (; done < actions && std::chrono::steady_clock::now() < deadline; ++done) {
        Step step = Choose();
        Perform(step);
        if (recent.size() == 20)
            recent.pop_front();
        recent.push_back(step);
        const std::string broken = Broken();
        if (!broken.empty()) {
            std::string history;
            for (const Step& earlier : recent)
                history += "\n  " + Describe(earlier);
            FAIL() << "MONKEY_SEED=" << seed << ", action " << done << " (" << Describe(step)
                   << "): " << broken << "\nlast actions:" << history;
        }
    }

    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - startTime).count();
    std::cout << done << " actions in " << elapsed << " s: " << newGames << " new games";
    int matches = 0;
    for (const auto& [verdict, count] : verdicts) {
        std::cout << ", " << count << " × " << verdict;
        matches += count;
    }
    std::cout << std::endl;
    // A run cut short by the clock must still have done real work.
    EXPECT_GE(done, std::min<std::uint64_t>(actions, 5'000)) << "MONKEY_SEED=" << seed;
    EXPECT_GE(matches, static_cast<int>(done / 200)) << "MONKEY_SEED=" << seed;
}

} // namespace
} // namespace zamut
