// SPDX-License-Identifier: MIT
// The common dialog's help command and the detached help launcher.
#include "qt/help/CommonDialog.h"
#include "RecordingHelpLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace zamut {
namespace {

// The engine runs on its own: the game never waits for it to end.
TEST(DetachedHelpLauncher, ReturnsWhileTheEngineRunsAndFailsWhenItCannotStart) {
    const QTemporaryDir scratch;
    const QString ended = scratch.filePath("ended");
    ASSERT_TRUE(DetachedHelpLauncher().start("/bin/sh",
                                             {"-c", "sleep 5; touch \"$0\" 2>/dev/null", ended}));
    EXPECT_FALSE(QFileInfo::exists(ended)) << "Start waited for the engine to end";
    EXPECT_FALSE(DetachedHelpLauncher().start(scratch.filePath("no-such-zamut-help"), {}));
}

// A missing engine costs the player nothing but a message.
TEST(CommonDialog, ShowHelpStartsTheEngineBesideTheProgramOrSaysWhyWithoutStoppingTheGame) {
    QWidget board;
    board.show();
    auto* launcher = new RecordingHelpLauncher;
    CommonDialog dialog(std::unique_ptr<HelpLauncher>(launcher), &board);
    const QString engine = QCoreApplication::applicationDirPath() + "/zamut-help";
    dialog.HelpFile = "other.hlp";
    dialog.HelpCommand = 1;
    dialog.ShowHelp();
    ASSERT_EQ(launcher->requests.size(), 1u);
    EXPECT_EQ(launcher->requests[0].program, engine);
    EXPECT_EQ(launcher->requests[0].arguments, (QStringList{"other.hlp", "1"}));

    launcher->succeeds = false;
    // A nested event loop inside ShowHelp would run this before it returns.
    bool loopRanInside = false;
    QTimer::singleShot(0, &board, [&loopRanInside] { loopRanInside = true; });
    dialog.ShowHelp();
    EXPECT_FALSE(loopRanInside);
    dialog.ShowHelp();

    const auto boxes = board.findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1) << "a repeated failure reuses the open message";
    EXPECT_TRUE(boxes[0]->isVisible());
    EXPECT_EQ(boxes[0]->windowModality(), Qt::NonModal);
    const QString text = boxes[0]->text();
    EXPECT_TRUE(text.startsWith("ヘルプを表示できませんでした。") && text.contains(engine))
        << qPrintable(text);
}

} // namespace
} // namespace zamut
