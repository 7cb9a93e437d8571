#include "app/Game.h"
#include "platform/testing/RecordingHelpLauncher.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zamut {
namespace {

// The whole game as start-up makes it, with help requests recorded.
class GameWindows : public ::testing::Test {
protected:
    GameWindows() {
        auto launcher = std::make_unique<RecordingHelpLauncher>();
        help = launcher.get();
        board.dlgCommonDialog.SetLauncher(std::move(launcher));
        board.show();
    }

    int AboutWindowsOpen() const {
        int open = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            open += window->isVisible() && qobject_cast<frmAbout*>(window) != nullptr;
        }
        return open;
    }

    // Runs the event loop with `steps` queued, as the user would do them; a
    // stuck loop gives up after two seconds with status 99.
    static int RunEventLoop(const std::function<void()>& steps) {
        QTimer::singleShot(0, steps);
        QTimer::singleShot(2000, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }

    ClockMixedGenerator generator{[] { return std::uint64_t{3}; }, 5};
    QStringList fatalErrors;
    Game game{generator, [this](const QString& what) { fatalErrors.append(what); }};
    Form1& board = game.board();
    RecordingHelpLauncher* help = nullptr;
};

TEST_F(GameWindows, HelpAsksForTheContentsOfHelpHlpEveryTime) {
    board.zamut->trigger();
    board.dlgCommonDialog.HelpFile = QStringLiteral("other.hlp");
    board.dlgCommonDialog.HelpCommand = 1;
    board.zamut->trigger();

    ASSERT_EQ(help->requests.size(), 2u);
    for (const auto& request : help->requests) {
        EXPECT_TRUE(request.program.endsWith(QStringLiteral("/zamut-help")));
        EXPECT_EQ(request.arguments,
                  (QStringList{QStringLiteral("help.hlp"), QStringLiteral("3")}));
    }
}

TEST_F(GameWindows, AHelpEngineThatCannotStartLeavesTheMatchGoing) {
    board.dlgCommonDialog.SetLauncher(std::make_unique<RecordingHelpLauncher>(false));
    board.start->trigger();
    QTest::mouseClick(board.Image(HandImage(4)), Qt::LeftButton);

    board.zamut->trigger();

    auto* message = board.findChild<QMessageBox*>();
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(fatalErrors.isEmpty());
    QTest::mouseClick(board.Image(HandImage(5)), Qt::LeftButton);
    EXPECT_EQ(board.state.CurrentRound, 3);
}

TEST_F(GameWindows, OneAboutWindowLoadedOnEachOpeningOnly) {
    EXPECT_EQ(game.about(), nullptr); // nothing is made before it is asked for
    board.version->trigger();
    frmAbout* about = game.about();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("ザムトのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(about->parent(), nullptr);

    about->setWindowTitle(QStringLiteral("marker"));
    board.version->trigger(); // already open: to the front, not loaded again
    EXPECT_EQ(game.about(), about);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("marker"));
    EXPECT_EQ(AboutWindowsOpen(), 1);

    about->close();
    board.version->trigger();
    EXPECT_EQ(game.about(), about);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("ザムトのﾊﾞｰｼﾞｮﾝ情報"));
}

TEST_F(GameWindows, TheBoardStaysPlayableWhileAboutIsOpen) {
    board.version->trigger();
    board.start->trigger();
    QTest::mouseClick(board.Image(HandImage(9)), Qt::LeftButton);
    EXPECT_EQ(board.state.CurrentRound, 2);
    board.start->trigger();
    EXPECT_EQ(board.state.CurrentRound, 1);
    EXPECT_TRUE(game.about()->isVisible());
}

TEST_F(GameWindows, ClosingTheBoardLeavesAboutOpenUntilItIsClosedToo) {
    bool aboutOpenAlone = false;
    const int status = RunEventLoop([&] {
        board.version->trigger();
        board.close();
        QTimer::singleShot(50, [&] {
            aboutOpenAlone = !board.isVisible() && game.about()->isVisible();
            game.about()->close(); // the last window: the application ends
        });
    });
    EXPECT_TRUE(aboutOpenAlone);
    EXPECT_EQ(status, 0);
}

TEST_F(GameWindows, ClosingTheBoardAloneEndsTheApplication) {
    EXPECT_EQ(RunEventLoop([&] { board.close(); }), 0);
}

TEST_F(GameWindows, ExitEndsEverythingAtOnceMidMatch) {
    const int status = RunEventLoop([&] {
        board.start->trigger();
        QTest::mouseClick(board.Image(HandImage(2)), Qt::LeftButton);
        board.version->trigger();
        board.end->trigger();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(board.state.CurrentRound, 2);
}

} // namespace
} // namespace zamut
