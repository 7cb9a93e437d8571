#include "platform/helpengine/HelpView.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zamut {
namespace {

constexpr int WaitMs = 20000;

TEST(HelpFile, ShippedHelpFileLoadsAndUsesTheGamesTexts) {
    const helpfile::Content content = helpfile::Load(ZAMUT_HELP_SOURCE);
    ASSERT_TRUE(content.ok) << content.text;
    for (const char* text :
         {"あなたの勝ちです", "あなたの負けです", "引き分けです",
          "あなたはすごいです！！アカギと呼ばせてください", "ゲーム", "新規ゲーム", "終了",
          "ヘルプ", "ザムトについて", "バージョン", "１回戦"}) {
        EXPECT_NE(content.text.find(text), std::string::npos) << text;
    }
}

TEST(HelpView, ShowsTheHelpAsInertText) {
    QTemporaryDir root;
    const QUrl picture = QUrl::fromLocalFile(root.filePath("tile.png"));
    ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(picture.toLocalFile()));

    HelpView view;
    view.ShowContent({true, "help.hlp",
                      "# ルール\n\n[開く](" + picture.toString().toStdString() +
                          ") <b>太字</b>\n\n![牌](" + picture.toString().toStdString() + ")\n"});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QString shown = view.toPlainText();
    EXPECT_TRUE(shown.startsWith("ルール\n開く <b>太字</b>")) << qPrintable(shown);
    EXPECT_TRUE(view.document()->resource(QTextDocument::ImageResource, picture).isNull());

    // Whatever the view hands to the desktop would land here.
    QTextBrowser outside;
    QDesktopServices::setUrlHandler("file", &outside, "setSource");
    QSignalSpy clicked(&view, &QTextBrowser::anchorClicked);
    QTextCursor link = view.document()->find("開く");
    link.setPosition(link.selectionStart() + 1);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(link).center());
    QDesktopServices::unsetUrlHandler("file");

    EXPECT_EQ(clicked.count(), 1) << "the click reached the link";
    EXPECT_EQ(view.toPlainText(), shown);
    EXPECT_TRUE(view.source().isEmpty());
    EXPECT_TRUE(outside.source().isEmpty());
}

// The real engine, run as the game runs it, from a scratch folder laid out
// like this build's installation.
class HelpEngine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(bin_) && QDir().mkpath(share_) && QDir().mkpath(cwd_) &&
                    QFile::copy(ZAMUT_HELP_ENGINE_PATH, bin_ + "/zamut-help"));
    }

    void TearDown() override {
        for (const auto& engine : engines_) {
            engine->kill();
            engine->waitForFinished(WaitMs);
        }
    }

    // Written as an editor on Windows may save it.
    static std::string Put(const QString& path,
                           const QByteArray& bytes = "\xEF\xBB\xBF# ザムト\r\n\n\t本文\r\n") {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path.toStdString();
    }

    QProcess& Start(const QString& name = "help.hlp") {
        QProcess& engine = *engines_.emplace_back(std::make_unique<QProcess>());
        // Killed engines leave their sockets and locks in the scratch folder.
        engine.setEnvironment(QProcess::systemEnvironment()
                              << "QT_LOGGING_RULES=zamut.help.info=true"
                              << "TMPDIR=" + root_.path());
        engine.setWorkingDirectory(cwd_);
        engine.setReadChannel(QProcess::StandardError);
        engine.start(bin_ + "/zamut-help", {name, "3"});
        return engine;
    }

    // The engine's next log line, or nothing when the wait runs out.
    static std::string Log(QProcess& engine) {
        const QDeadlineTimer deadline(WaitMs);
        while (engine.canReadLine() || engine.waitForReadyRead(int(deadline.remainingTime()))) {
            const QString line = engine.canReadLine() ? QString::fromUtf8(engine.readLine()) : "";
            if (line.startsWith("zamut.help: ")) {
                return line.mid(12).trimmed().toStdString();
            }
        }
        return {};
    }

    QTemporaryDir root_;
    const QString bin_ = root_.filePath("prefix/" ZAMUT_INSTALL_BINDIR);
    const QString share_ = root_.filePath("prefix/" ZAMUT_INSTALL_DATADIR);
    const QString cwd_ = root_.filePath("cwd");
    std::vector<std::unique_ptr<QProcess>> engines_;
};

// Each file found shadows the ones after it; a second request for the file
// on show goes to its window.
TEST_F(HelpEngine, OneWindowForTheFileInTheCurrentFolderBesideItselfOrInstalled) {
    for (const QString& dir : {share_, bin_, cwd_}) {
        const std::string path = Put(dir + "/help.hlp");
        QProcess& first = Start();
        ASSERT_EQ(Log(first), "shown " + path);
        QProcess& second = Start();
        ASSERT_TRUE(second.waitForFinished(WaitMs));
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(Log(second), "forwarded " + path);
        EXPECT_EQ(Log(first), "raised");
    }
}

TEST_F(HelpEngine, ReportsAMissingOrBrokenFileAndKeepsItsWindow) {
    EXPECT_EQ(Log(Start()), "failed help.hlp");
    const QByteArray broken[] = {"", "# \xFF\xFE 見出し\n", "\x7F\x45LF\x02\x01\x01"};
    for (const QByteArray& bytes : broken) {
        const QString name = QString::number(engines_.size()) + ".hlp";
        const std::string path = Put(cwd_ + '/' + name, bytes);
        EXPECT_EQ(Log(Start(name)), "failed " + path) << bytes.left(8).toHex().data();
    }
    EXPECT_FALSE(engines_.back()->waitForFinished(200));
    for (const auto& engine : engines_) {
        EXPECT_EQ(engine->state(), QProcess::Running);
    }
}

} // namespace
} // namespace zamut
