#include "GameFixture.h"

#include <QApplication>
#include <QTimer>

namespace zamut {
namespace {

class GameWindows : public testing::GameFixture {
protected:
    // Runs the event loop with `steps` queued, as the user would do them; a
    // stuck loop gives up after two seconds with status 99.
    static int RunEventLoop(const std::function<void()>& steps) {
        QTimer::singleShot(0, steps);
        QTimer::singleShot(2000, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }
};

TEST_F(GameWindows, HelpAsksForTheContentsOfHelpHlpEveryTime) {
    form.menu().zamut->trigger();
    form.menu().zamut->trigger();
    ASSERT_EQ(help->requests.size(), 2u);
    for (const auto& request : help->requests) {
        EXPECT_TRUE(request.program.endsWith(QStringLiteral("/zamut-help")));
        EXPECT_EQ(request.arguments, (QStringList{"help.hlp", "3"}));
    }
}

// How the window loads and unloads is the About window's own test.
TEST_F(GameWindows, TheFirstAboutCommandMakesTheOneModelessAboutWindow) {
    EXPECT_EQ(game.about(), nullptr);
    form.menu().version->trigger();
    frmAbout* about = game.about();
    ASSERT_TRUE(about != nullptr && about->isVisible() && about->parent() == nullptr);
    form.menu().version->trigger();
    EXPECT_EQ(game.about(), about);
    form.menu().start->trigger(); // modeless: the board takes clicks meanwhile
    ClickCard(9);
    EXPECT_EQ(form.state().CurrentRound, 2);
}

TEST_F(GameWindows, ClosingTheBoardLeavesAboutOpenUntilItIsClosedToo) {
    bool aboutOpenAlone = false;
    EXPECT_EQ(RunEventLoop([&] {
                  form.menu().version->trigger();
                  form.close();
                  QTimer::singleShot(50, [&] {
                      aboutOpenAlone = !form.isVisible() && game.about()->isVisible();
                      game.about()->close(); // the last window: the application ends
                  });
              }),
              0);
    EXPECT_TRUE(aboutOpenAlone);
}

TEST_F(GameWindows, ClosingTheBoardAloneOrChoosingExitEndsTheApplication) {
    EXPECT_EQ(RunEventLoop([&] { form.close(); }), 0);
    form.show();
    EXPECT_EQ(RunEventLoop([&] {
                  form.menu().start->trigger();
                  ClickCard(2);
                  form.menu().version->trigger();
                  form.menu().end->trigger(); // mid-match, About open
              }),
              0);
}

} // namespace
} // namespace zamut
