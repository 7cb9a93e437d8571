// SPDX-License-Identifier: MIT
// The help as the game asks for it, through the common dialog and the
// detached launcher, and the help window and the help engine run as the game
// runs it.
#include "RecordingHelpLauncher.h"
#include "qt/help/CommonDialog.h"
#include "qt/help/HelpInstance.h"
#include "qt/help/HelpView.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

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

constexpr int WaitMs = 20000;

// One pixel: shown as a picture if anything loaded it.
const QByteArray Png = QByteArray::fromBase64(
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC");

// Written as an editor on Windows may save it, with a picture naming a pipe:
// reading it would block the engine before its window answers.
std::string put(const QString& path,
                const QByteArray& bytes = "\xEF\xBB\xBF# ザムト\r\n\n\t本文\r\n\n![図](fifo)\r\n") {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path.toStdString();
}

// Qt would read a picture named by a plain path by itself, even a pipe, which
// blocks for good; the window loads no picture at all, whatever the form, and
// leaves every link where it is.
TEST(HelpView, ShowsTheHelpAsInertTextWithPicturesAsTheirAlternativeText) {
    QTemporaryDir root;
    const QString file = root.filePath("tile.png");
    put(file, Png);
    const QString forms[] = {file,
                             QDir::current().relativeFilePath(file),
                             QUrl::fromLocalFile(file).toString(),
                             "qrc:/qt-project.org/styles/commonstyle/images/file-16.png",
                             ":/qt-project.org/styles/commonstyle/images/file-16.png",
                             "data:image/png;base64," + QString::fromLatin1(Png.toBase64()),
                             "https://example.org/tile.png"};
    std::string markdown = "# ルール\n\n[開く](file:///other.hlp) <b>太字</b>";
    for (std::size_t i = 0; i < std::size(forms); ++i)
        markdown += " ![絵" + std::to_string(i) + "](" + forms[i].toStdString() + ")";
    HelpView view;
    view.showContent({true, "help.hlp", markdown});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.grab(); // lays out and paints every picture there is

    const QString shown = view.toPlainText();
    EXPECT_EQ(shown, "ルール\n開く <b>太字</b> 絵0 絵1 絵2 絵3 絵4 絵5 絵6");
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

    // A repeated request brings back a window that was put away.
    view.hide();
    view.bringToFront();
    EXPECT_TRUE(view.isVisible());
}

// The real engine, run as the game runs it, from a scratch folder laid out
// like this build's installation.
class HelpEngine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(bin_) && QDir().mkpath(share_) && QDir().mkpath(cwd_) &&
                    QDir().mkpath(tmp_) &&
                    QDir().mkdir(run_, QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner) &&
                    QFile::copy(ZAMUT_HELP_ENGINE_PATH, bin_ + "/zamut-help"));
        ASSERT_EQ(::mkfifo((cwd_ + "/fifo").toLocal8Bit().constData(), 0600), 0);
    }
    void TearDown() override { stop(); }

    // Ended as a session ends them, so each removes its socket; one that
    // ignores that is killed as its QProcess goes.
    void stop() {
        for (const auto& engine : engines_) {
            engine->terminate();
            EXPECT_TRUE(engine->state() == QProcess::NotRunning || engine->waitForFinished(WaitMs))
                << "an engine ignored SIGTERM";
        }
        engines_.clear();
    }

    QProcess& start() {
        QProcess& engine = *engines_.emplace_back(std::make_unique<QProcess>());
        QStringList environment = QProcess::systemEnvironment();
        environment.removeIf([](const QString& v) { return v.startsWith("XDG_RUNTIME_DIR="); });
        engine.setEnvironment(environment << "QT_LOGGING_RULES=zamut.help.info=true"
                                          << "XDG_RUNTIME_DIR=" + run_ << "TMPDIR=" + tmp_);
        engine.setWorkingDirectory(cwd_);
        engine.setReadChannel(QProcess::StandardError);
        engine.start(bin_ + "/zamut-help", {"help.hlp", "3"});
        return engine;
    }

    // The engine's next log line, or nothing when the wait runs out. Events
    // run meanwhile, so a server of the test's own can answer the engine.
    static std::string log(QProcess& engine) {
        QString line;
        while (!line.startsWith("zamut.help: ") &&
               QTest::qWaitFor([&] { return engine.canReadLine(); }, WaitMs)) {
            line = QString::fromUtf8(engine.readLine());
        }
        return line.startsWith("zamut.help: ") ? line.mid(12).trimmed().toStdString() : "";
    }

    QTemporaryDir root_;
    const QString bin_ = root_.filePath("prefix/" ZAMUT_INSTALL_BINDIR);
    const QString share_ = root_.filePath("prefix/" ZAMUT_INSTALL_DATADIR);
    const QString cwd_ = root_.filePath("cwd");
    const QString run_ = root_.filePath("run");
    const QString tmp_ = root_.filePath("tmp");
    std::vector<std::unique_ptr<QProcess>> engines_;
};

// The socket's folder when $XDG_RUNTIME_DIR is not the user's alone (the
// engine tests run in one that is): one made for the user in the temp folder
// (or in /tmp when the temp folder's name leaves no room for a socket's); none
// when someone else made that one.
TEST(HelpInstance, KeepsItsSocketWhereOnlyTheUserReaches) {
    const QTemporaryDir root;
    const QString own = QString("zamut-help-%1").arg(::getuid());
    const QString openRun = root.filePath("open-run"), tmp = root.filePath("tmp"),
                  longTmp = root.filePath(QString(120, 'x'));
    ASSERT_TRUE(QDir().mkdir(openRun, QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner |
                                          QFile::ReadOther | QFile::ExeOther) &&
                QDir().mkpath(longTmp) && QDir().mkpath(tmp + "/other/" + own));
    ASSERT_EQ(::chmod((tmp + "/other/" + own).toLocal8Bit().constData(), 0777), 0);
    const struct {
        QString runtime, temp, folder;
    } cases[] = {
        {openRun, tmp, tmp + '/' + own},
        {"", longTmp, "/tmp/" + own},
        {"", tmp + "/other", ""},
    };
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temp = qgetenv("TMPDIR");
    for (const auto& [runtimeDir, tempDir, folder] : cases) {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit());
        qputenv("TMPDIR", tempDir.toLocal8Bit());
        EXPECT_EQ(HelpInstance::privateFolder().toStdString(), folder.toStdString());
    }
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", temp);
    EXPECT_TRUE(QDir(openRun).isEmpty());
}

// A missing or broken file gets a window of its own, which takes no later
// request: that one may find the file. The installed help file, found from
// the engine's own folder, gets one window: a second request goes to the
// first window over a socket that only the user may connect to, and that goes
// with the engine.
TEST_F(HelpEngine, OneWindowPerFileOverASocketOnlyTheUserReachesAndOneForEachFailure) {
    EXPECT_EQ(log(start()), "failed help.hlp");
    const std::string path = put(share_ + "/help.hlp", "\x7F\x45LF\x02\x01\x01");
    EXPECT_EQ(log(start()), "failed " + path);
    put(share_ + "/help.hlp");
    const QFileInfo socket(HelpInstance::serverPath(QString::fromStdString(path), run_));
    QProcess& first = start();
    ASSERT_EQ(log(first), "shown " + path);
    for (const auto& engine : engines_)
        EXPECT_EQ(engine->state(), QProcess::Running);
    QProcess& second = start();
    ASSERT_TRUE(second.waitForFinished(WaitMs));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(log(second), "forwarded " + path);
    EXPECT_EQ(log(first), "raised");
    EXPECT_TRUE(socket.exists());
    EXPECT_EQ(socket.permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              0)
        << "others may connect";
    stop();
    EXPECT_FALSE(QFileInfo::exists(socket.filePath())) << "left after SIGTERM";
}

// An engine waits for the one claiming its file; a server that never answers,
// or one that another user runs, never takes a request.
TEST_F(HelpEngine, NeverHandsARequestToAnotherUser) {
    const std::string path = put(cwd_ + "/help.hlp");
    const QString socket = HelpInstance::serverPath(QString::fromStdString(path), run_);
    // An engine waits while another claims the file, then asks the server
    // that engine set up meanwhile.
    QLockFile claimed(socket + ".lock");
    ASSERT_TRUE(claimed.lock());
    QProcess& waiting = start();
    QTest::qWait(1000);
    QLocalServer own;
    ASSERT_TRUE(own.listen(socket));
    QObject::connect(&own, &QLocalServer::newConnection,
                     [&own] { own.nextPendingConnection()->write("ok\n"); });
    claimed.unlock();
    EXPECT_EQ(log(waiting), "forwarded " + path);
    own.close();
    stop();
    QLocalServer planted;
    ASSERT_TRUE(planted.listen(socket)); // and never answers
    EXPECT_EQ(log(start()), "shown " + path);
    stop();
    planted.close();
    if (::getuid() != 0) {
        GTEST_SKIP() << "a server of another user needs root to start";
    }
    // Answers every request as the engine would, listening as user nobody.
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{AF_UNIX, {}};
    QFile::encodeName(socket).toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::seteuid(65534), 0);
    const int listening = ::listen(descriptor, 8);
    ASSERT_EQ(::seteuid(0), 0);
    ASSERT_TRUE(listening == 0 && planted.listen(descriptor));
    QObject::connect(&planted, &QLocalServer::newConnection,
                     [&planted] { planted.nextPendingConnection()->write("ok\n"); });
    EXPECT_EQ(log(start()), "shown " + path);
}

} // namespace
} // namespace zamut
