#include "platform/CommonDialog.h"
#include "platform/testing/RecordingHelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>

namespace zamut {
namespace {

TEST(CommonDialog, EachHelpRequestStartsTheEngineBesideTheProgram) {
    auto* recorder = new RecordingHelpLauncher;
    CommonDialog dialog{std::unique_ptr<HelpLauncher>(recorder)};
    const auto& requests = recorder->requests;
    const QString engine = QCoreApplication::applicationDirPath() + "/zamut-help";
    EXPECT_TRUE(QFileInfo(engine).isExecutable()) << "the build puts the engine beside programs";

    // The window's three steps, each time with the properties as they are now.
    const std::pair<QString, qint16> asked[] = {{"help.hlp", 3}, {"other.hlp", 1}, {"help.hlp", 3}};
    for (const auto& [file, command] : asked) {
        dialog.HelpFile = file;
        dialog.HelpCommand = command;
        dialog.ShowHelp();
        ASSERT_FALSE(requests.empty());
        const auto& [program, arguments] = requests.back();
        EXPECT_STREQ(qPrintable(program + ' ' + arguments.join(' ')),
                     qPrintable(engine + ' ' + file + ' ' + QString::number(command)));
    }
    EXPECT_EQ(requests.size(), 3u);
}

// The engine runs on its own: the game never waits for it to end.
TEST(DetachedHelpLauncher, ReturnsWhileTheEngineRunsAndFailsWhenItCannotStart) {
    const QString ended = QDir::temp().filePath(
        QStringLiteral("zamut-help-ended-%1").arg(QCoreApplication::applicationPid()));
    QFile::remove(ended);
    ASSERT_TRUE(DetachedHelpLauncher().Start("/bin/sh", {"-c", "sleep 2; touch \"$0\"", ended}));
    EXPECT_FALSE(QFileInfo::exists(ended)) << "Start waited for the engine to end";
    EXPECT_FALSE(DetachedHelpLauncher().Start(QDir::temp().filePath("no-such-zamut-help"), {}));
}

TEST(CommonDialog, EngineThatCannotStartGetsANonModalMessageAndTheGameGoesOn) {
    QWidget board;
    board.setWindowTitle("ザムト");
    board.show();
    auto* failing = new RecordingHelpLauncher;
    failing->succeeds = false;
    CommonDialog dialog(std::unique_ptr<HelpLauncher>(failing), &board);
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
    EXPECT_TRUE(text.startsWith("ヘルプを表示できませんでした。") &&
                text.contains(CommonDialog::HelpEngineProgram()))
        << qPrintable(text);
}

} // namespace
} // namespace zamut
