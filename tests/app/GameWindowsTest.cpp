// SPDX-License-Identifier: MIT
// How the game's windows live together: About, closing and exit.
#include "GameFixture.h"

#include <QApplication>
#include <QTimer>

namespace zamut {
namespace {

class GameWindows : public testing::GameFixture {
protected:
    // Runs the event loop with `steps` queued, as the user would do them; a
    // stuck loop gives up after two seconds with status 99.
    static int runEventLoop(const std::function<void()>& steps) {
        QTimer::singleShot(0, steps);
        QTimer::singleShot(2000, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }
};

// The application ends with its last window: the board closed alone, or
// after About, or the exit command in the middle of a match with About open.
TEST_F(GameWindows, EndsWhenTheLastWindowClosesOrOnExit) {
    EXPECT_EQ(runEventLoop([&] { form.close(); }), 0);
    form.show();
    bool aboutOpenAlone = false;
    EXPECT_EQ(runEventLoop([&] {
                  form.menu().version->trigger();
                  form.close();
                  QTimer::singleShot(50, [&] {
                      aboutOpenAlone = !form.isVisible() && game.about()->isVisible();
                      game.about()->close();
                  });
              }),
              0);
    EXPECT_TRUE(aboutOpenAlone);
    form.show();
    EXPECT_EQ(runEventLoop([&] {
                  form.menu().start->trigger();
                  click(form.image(handImage(2)));
                  form.menu().version->trigger();
                  form.menu().end->trigger();
              }),
              0);
}

} // namespace
} // namespace zamut
