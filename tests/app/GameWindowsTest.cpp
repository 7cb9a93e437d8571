// SPDX-License-Identifier: MIT
// How the game's windows live together: About, closing and exit, and the
// fatal error that ends them all.
#include "GameFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace zamut {
namespace {

using GameWindows = testing::GameFixture;

// Runs the event loop with `steps` queued, as the user would do them; a stuck
// loop gives up after two seconds with status 99.
int runEventLoop(const std::function<void()>& steps) {
    QTimer::singleShot(0, steps);
    QTimer::singleShot(2000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

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
                  QTest::mouseClick(form.image(handImage(2)), Qt::LeftButton);
                  form.menu().version->trigger();
                  form.menu().end->trigger();
              }),
              0);
}

TEST_F(GameWindows, AFailureInsideAnEventGoesToTheFatalErrorHandler) {
    generator.script = {1e10f}; // far outside 0..1: the deal's card overflows
    form.menu().start->trigger();
    ASSERT_EQ(fatalErrors.size(), 1);
    EXPECT_TRUE(fatalErrors[0].contains(QStringLiteral("range")));
}

TEST(FatalError, ShowsTheStandardCriticalMessageInJapaneseAndEndsWithStatusOne) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            text = box->text();
            box->buttons().value(0)->click();
        }
    });
    poll.start(10);
    QTimer::singleShot(0, [] { reportFatalErrorAndExit(QStringLiteral("overflow")); });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.startsWith(QStringLiteral("予期しないエラー")) && text.contains("overflow"));
    // Qt's own Japanese texts were installed for the box.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

} // namespace
} // namespace zamut
