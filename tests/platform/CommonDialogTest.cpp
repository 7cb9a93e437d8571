#include "platform/CommonDialog.h"
#include "platform/testing/RecordingHelpLauncher.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "tests/platform/QtPrinters.h"

#include <gtest/gtest.h>

namespace zamut {
namespace {

// The window's help command: the three steps, in order, every time.
void AskForHelp(CommonDialog& dialog) {
    dialog.HelpFile = QStringLiteral("help.hlp");
    dialog.HelpCommand = 3;
    dialog.ShowHelp();
}

TEST(CommonDialog, EachHelpRequestStartsTheEngineBesideTheProgram) {
    CommonDialog dialog;
    auto recorder = std::make_unique<RecordingHelpLauncher>();
    const auto& requests = recorder->requests;
    dialog.SetLauncher(std::move(recorder));

    AskForHelp(dialog);
    dialog.HelpFile = QStringLiteral("other.hlp");
    dialog.HelpCommand = 1;
    AskForHelp(dialog);

    const QString engine = QDir(QCoreApplication::applicationDirPath()).filePath("zamut-help");
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests) {
        EXPECT_EQ(request.program, engine);
        EXPECT_EQ(request.arguments, QStringList({"help.hlp", "3"}));
    }
    EXPECT_EQ(CommonDialog::HelpEngineProgram(), engine);
    EXPECT_TRUE(QFileInfo(engine).isExecutable()) << "the build puts the engine beside programs";
}

TEST(CommonDialog, EngineThatCannotStartGetsANonModalMessageAndTheGameGoesOn) {
    QWidget board;
    board.setWindowTitle(QStringLiteral("ザムト"));
    board.show();
    CommonDialog dialog(&board);
    dialog.SetLauncher(std::make_unique<RecordingHelpLauncher>(false));

    // A nested event loop inside ShowHelp would run this timer before it returns.
    bool loopRanInside = false;
    QTimer probe;
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, [&loopRanInside] { loopRanInside = true; });
    probe.start(0);
    AskForHelp(dialog);
    EXPECT_FALSE(loopRanInside);
    AskForHelp(dialog);

    const auto boxes = board.findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1) << "a repeated failure reuses the open message";
    const QMessageBox* box = boxes.front();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ザムト"));
    EXPECT_TRUE(box->text().startsWith(QStringLiteral("ヘルプを表示できませんでした。")));
    EXPECT_TRUE(box->text().contains(CommonDialog::HelpEngineProgram()));
    EXPECT_TRUE(board.isVisible());
    EXPECT_TRUE(board.isEnabled());
}

TEST(CommonDialog, DetachedLauncherReportsAProgramThatCannotStart) {
    DetachedHelpLauncher launcher;
    EXPECT_FALSE(launcher.Start(QDir::temp().filePath("no-such-zamut-help"), {"help.hlp", "3"}));
}

} // namespace
} // namespace zamut
