// SPDX-License-Identifier: MIT
// The help window and the help engine run as the game runs it.
#include "platform/helpengine/HelpInstance.h"
#include "platform/helpengine/HelpView.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include <memory>
#include <string>
#include <vector>

namespace zamut {
namespace {

constexpr int WaitMs = 20000;

TEST(HelpFile, ShippedHelpFileLoadsAndUsesTheGamesTexts) {
    const helpfile::Content content = helpfile::load(ZAMUT_HELP_SOURCE);
    ASSERT_TRUE(content.ok) << content.text;
    for (const char* text :
         {"あなたの勝ちです", "あなたの負けです", "引き分けです",
          "あなたはすごいです！！アカギと呼ばせてください", "ゲーム", "新規ゲーム", "終了",
          "ヘルプ", "ザムトについて", "バージョン", "１回戦"}) {
        EXPECT_NE(content.text.find(text), std::string::npos) << text;
    }
}

// Pictures are the next test's.
TEST(HelpView, ShowsTheHelpAsInertText) {
    HelpView view;
    view.showContent({true, "help.hlp", "# ルール\n\n[開く](file:///other.hlp) <b>太字</b>\n"});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QString shown = view.toPlainText();
    EXPECT_TRUE(shown.startsWith("ルール\n開く <b>太字</b>")) << qPrintable(shown);

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

// Qt would read a picture named by a plain path by itself, even a pipe, which
// blocks for good; the window loads no picture at all, whatever the form.
TEST(HelpView, ShowsPicturesAsTheirAlternativeText) {
    QTemporaryDir root;
    const QString file = root.filePath("tile.png");
    ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(file));
    const QByteArray png = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString forms[] = {
        file,
        QDir::current().relativeFilePath(file),
        QUrl::fromLocalFile(file).toString(),
        "qrc:/qt-project.org/styles/commonstyle/images/file-16.png",
        ":/qt-project.org/styles/commonstyle/images/file-16.png",
        "data:image/png;base64," + QString::fromLatin1(png.toBase64()),
        "https://example.org/tile.png",
    };
    std::string markdown = "# 牌\n\n";
    for (std::size_t i = 0; i < std::size(forms); ++i) {
        markdown += "![絵" + std::to_string(i) + "](" + forms[i].toStdString() + ") ";
    }
    HelpView view;
    view.showContent({true, "help.hlp", markdown});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.grab(); // lays out and paints every picture there is

    EXPECT_EQ(view.toPlainText(), "牌\n絵0 絵1 絵2 絵3 絵4 絵5 絵6");
    for (const QString& form : forms) {
        EXPECT_TRUE(view.document()->resource(QTextDocument::ImageResource, QUrl(form)).isNull())
            << qPrintable(form.left(40));
    }
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            EXPECT_FALSE(it.fragment().charFormat().isImageFormat())
                << qPrintable(it.fragment().text());
        }
    }
}

// The real engine, run as the game runs it, from a scratch folder laid out
// like this build's installation.
class HelpEngine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(bin_) && QDir().mkpath(share_) && QDir().mkpath(cwd_) &&
                    QDir().mkpath(run_) && QDir().mkpath(tmp_) &&
                    QFile::copy(ZAMUT_HELP_ENGINE_PATH, bin_ + "/zamut-help"));
        ASSERT_EQ(::chmod(run_.toLocal8Bit().constData(), 0700), 0);
        ASSERT_EQ(::mkfifo((cwd_ + "/fifo").toLocal8Bit().constData(), 0600), 0);
        env_ << "XDG_RUNTIME_DIR=" + run_ << "TMPDIR=" + tmp_;
    }

    // Ended as a session ends them, so each removes its socket.
    void TearDown() override {
        for (const auto& engine : engines_) {
            engine->terminate();
            if (engine->state() != QProcess::NotRunning && !engine->waitForFinished(WaitMs)) {
                ADD_FAILURE() << "an engine ignored SIGTERM";
                engine->kill();
                engine->waitForFinished(WaitMs);
            }
        }
    }

    // Written as an editor on Windows may save it, with a picture naming a
    // pipe: reading it would block the engine before its window answers.
    static std::string
    put(const QString& path,
        const QByteArray& bytes = "\xEF\xBB\xBF# ザムト\r\n\n\t本文\r\n\n![図](fifo)\r\n") {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path.toStdString();
    }

    QProcess& start(const QString& name = "help.hlp") {
        QProcess& engine = *engines_.emplace_back(std::make_unique<QProcess>());
        QStringList environment = QProcess::systemEnvironment();
        environment.removeIf([](const QString& v) { return v.startsWith("XDG_RUNTIME_DIR="); });
        engine.setEnvironment(environment << "QT_LOGGING_RULES=zamut.help.info=true" << env_);
        engine.setWorkingDirectory(cwd_);
        engine.setReadChannel(QProcess::StandardError);
        engine.start(bin_ + "/zamut-help", {name, "3"});
        return engine;
    }

    // The engine's next log line, or nothing when the wait runs out.
    static std::string log(QProcess& engine) {
        const QDeadlineTimer deadline(WaitMs);
        while (engine.canReadLine() || engine.waitForReadyRead(int(deadline.remainingTime()))) {
            const QString line = engine.canReadLine() ? QString::fromUtf8(engine.readLine()) : "";
            if (line.startsWith("zamut.help: ")) {
                return line.mid(12).trimmed().toStdString();
            }
        }
        return {};
    }

    // A second request for the file goes to the first engine's window.
    void expectOneWindow(const std::string& path) {
        QProcess& first = start();
        ASSERT_EQ(log(first), "shown " + path);
        QProcess& second = start();
        ASSERT_TRUE(second.waitForFinished(WaitMs));
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(log(second), "forwarded " + path);
        EXPECT_EQ(log(first), "raised");
    }

    QTemporaryDir root_;
    const QString bin_ = root_.filePath("prefix/" ZAMUT_INSTALL_BINDIR);
    const QString share_ = root_.filePath("prefix/" ZAMUT_INSTALL_DATADIR);
    const QString cwd_ = root_.filePath("cwd");
    const QString run_ = root_.filePath("run");
    const QString tmp_ = root_.filePath("tmp");
    QStringList env_;
    std::vector<std::unique_ptr<QProcess>> engines_;
};

// Each file found shadows the ones after it.
TEST_F(HelpEngine, OneWindowForTheFileInTheCurrentFolderBesideItselfOrInstalled) {
    for (const QString& dir : {share_, bin_, cwd_}) {
        expectOneWindow(put(dir + "/help.hlp"));
    }
}

// A window showing a failure takes no later request, which may find the file.
TEST_F(HelpEngine, ReportsAMissingOrBrokenFileInAWindowOfItsOwn) {
    EXPECT_EQ(log(start()), "failed help.hlp");
    const std::string path = put(cwd_ + "/help.hlp", "\x7F\x45LF\x02\x01\x01");
    EXPECT_EQ(log(start()), "failed " + path);
    put(cwd_ + "/help.hlp");
    EXPECT_EQ(log(start()), "shown " + path);
    EXPECT_FALSE(engines_.back()->waitForFinished(200));
    for (const auto& engine : engines_) {
        EXPECT_EQ(engine->state(), QProcess::Running);
    }
}

// The socket sits where no other user can plant one, in a folder whose name
// fits a socket; an unsafe folder means a window per request, never none.
TEST_F(HelpEngine, KeepsItsSocketWhereOnlyTheUserReachesIt) {
    const QString own = QString("zamut-help-%1").arg(::getuid());
    const QString longTmp = root_.filePath(QString(120, 'x'));
    const QString openRun = root_.filePath("open-run");
    ASSERT_TRUE(QDir().mkpath(longTmp) && QDir().mkpath(openRun) &&
                QDir().mkpath(tmp_ + "/other/" + own));
    ASSERT_EQ(::chmod(openRun.toLocal8Bit().constData(), 0755), 0);
    ASSERT_EQ(::chmod((tmp_ + "/other/" + own).toLocal8Bit().constData(), 0777), 0);
    const struct {
        QStringList env;
        QString folder; // empty: no single window
    } cases[] = {
        {{"XDG_RUNTIME_DIR=" + run_, "TMPDIR=" + tmp_}, run_},
        {{"XDG_RUNTIME_DIR=" + openRun, "TMPDIR=" + tmp_}, tmp_ + '/' + own},
        {{"TMPDIR=" + longTmp}, "/tmp/" + own},
        {{"TMPDIR=" + tmp_ + "/other"}, ""},
    };
    const std::string path = put(cwd_ + "/help.hlp");
    const QString socket = HelpInstance::serverPath(QString::fromStdString(path), "%1");
    for (const auto& [env, folder] : cases) {
        SCOPED_TRACE(env.join(' ').toStdString());
        env_ = env;
        if (folder.isEmpty()) {
            EXPECT_EQ(log(start()), "shown " + path);
            EXPECT_EQ(log(start()), "shown " + path);
        } else {
            expectOneWindow(path);
            EXPECT_TRUE(QFileInfo(socket.arg(folder)).exists());
        }
        EXPECT_TRUE(QDir(openRun).isEmpty());
        TearDown();
        engines_.clear();
        EXPECT_FALSE(QFileInfo(socket.arg(folder)).exists()) << "left after SIGTERM";
    }
}

// Something in the socket's place that is no socket, a server that never
// answers or one that another user runs never takes a request.
TEST_F(HelpEngine, NeverHandsARequestToAnotherUser) {
    const std::string path = put(cwd_ + "/help.hlp");
    const QByteArray socket =
        HelpInstance::serverPath(QString::fromStdString(path), run_).toLocal8Bit();
    put(QString::fromLocal8Bit(socket), "raise\n");
    EXPECT_EQ(log(start()), "shown " + path);
    TearDown();
    engines_.clear();
    QLocalServer hung; // takes the request and never answers
    ASSERT_TRUE(hung.listen(QString::fromLocal8Bit(socket)));
    EXPECT_EQ(log(start()), "shown " + path);
    TearDown();
    engines_.clear();
    if (::getuid() != 0) {
        GTEST_SKIP() << "a server of another user needs root to start";
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.constData(), sizeof address.sun_path - 1);
    const pid_t planter = ::fork();
    if (planter == 0) {
        // Answers every request as the engine would, as user nobody.
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::unlink(address.sun_path);
        if (::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::chmod(address.sun_path, 0777) != 0 || ::setuid(65534) != 0 ||
            ::listen(server, 8) != 0) {
            ::_exit(1);
        }
        for (char request[16];;) {
            const int client = ::accept(server, nullptr, nullptr);
            if (::read(client, request, sizeof request) > 0 && ::write(client, "ok\n", 3) < 0) {
                ::_exit(1);
            }
            ::close(client);
        }
    }
    ASSERT_GT(planter, 0);
    QTest::qWait(200);
    EXPECT_EQ(log(start()), "shown " + path);
    ::kill(planter, SIGKILL);
    ::waitpid(planter, nullptr, 0);
}

} // namespace
} // namespace zamut
