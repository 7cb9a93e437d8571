// The real help engine, run as the game runs it, from scratch folders laid out
// like the build tree and an installation.

#include "platform/helpengine/HelpInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/platform/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zamut {
namespace {

constexpr int WaitMs = 20000;

class HelpEngine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir().mkpath(Bin()));
        ASSERT_TRUE(QDir().mkpath(Share()));
        ASSERT_TRUE(QDir().mkpath(Cwd()));
        ASSERT_TRUE(QFile::copy(ZAMUT_HELP_ENGINE_PATH, Bin() + "/zamut-help"));
    }

    void TearDown() override {
        for (const auto& engine : engines_) {
            engine->kill();
            engine->waitForFinished(WaitMs);
        }
        // A killed engine leaves its socket behind.
        for (const QString& key : keys_) {
            QLocalServer::removeServer(HelpInstance::ServerName(key));
        }
    }

    QString Bin() const { return root_.filePath("prefix/bin"); }
    QString Share() const { return root_.filePath("prefix/share/org.example.zamut"); }
    QString Cwd() const { return root_.filePath("cwd"); }

    QString PutHelp(const QString& dir, const QByteArray& bytes = "# ザムト ヘルプ\n") {
        const QString path = dir + "/help.hlp";
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        keys_.push_back(QFileInfo(path).canonicalFilePath());
        return path;
    }

    QProcess& Start() {
        auto engine = std::make_unique<QProcess>();
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_LOGGING_RULES", "zamut.help.info=true");
        engine->setProcessEnvironment(environment);
        engine->setWorkingDirectory(Cwd());
        engine->setReadChannel(QProcess::StandardError);
        engine->start(Bin() + "/zamut-help", {"help.hlp", "3"});
        engines_.push_back(std::move(engine));
        return *engines_.back();
    }

    // The engine's next log line, or nothing when the wait runs out.
    static QString Log(QProcess& engine) {
        QElapsedTimer clock;
        clock.start();
        while (engine.canReadLine() ||
               engine.waitForReadyRead(int(std::max<qint64>(0, WaitMs - clock.elapsed())))) {
            while (engine.canReadLine()) {
                const QString line = QString::fromUtf8(engine.readLine()).trimmed();
                if (line.startsWith("zamut.help: ")) {
                    return line;
                }
            }
        }
        return {};
    }

    QTemporaryDir root_;
    std::vector<std::unique_ptr<QProcess>> engines_;
    QStringList keys_;
};

TEST_F(HelpEngine, FindsTheFileInTheCurrentFolderBesideItselfAndInstalled) {
    const QString installed = PutHelp(Share());
    EXPECT_EQ(Log(Start()), QString("zamut.help: shown " + installed));
    const QString beside = PutHelp(Bin());
    EXPECT_EQ(Log(Start()), QString("zamut.help: shown " + beside));
    const QString current = PutHelp(Cwd());
    EXPECT_EQ(Log(Start()), QString("zamut.help: shown " + current));
}

TEST_F(HelpEngine, MissingOrGarbageFileIsReportedAndTheWindowStays) {
    keys_.push_back(Cwd() + "/help.hlp");
    QProcess& missing = Start();
    EXPECT_EQ(Log(missing), QString("zamut.help: failed help.hlp"));

    QByteArray garbage(4096, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i) {
        garbage[i] = char((i * 7919) % 256);
    }
    const QString path = PutHelp(Share(), garbage);
    QProcess& broken = Start();
    EXPECT_EQ(Log(broken), QString("zamut.help: failed " + path));

    EXPECT_FALSE(missing.waitForFinished(200));
    EXPECT_EQ(missing.state(), QProcess::Running);
    EXPECT_EQ(broken.state(), QProcess::Running);
}

TEST_F(HelpEngine, SecondRequestForTheSameFileRaisesTheOpenWindow) {
    const QString path = PutHelp(Cwd());
    QProcess& first = Start();
    ASSERT_EQ(Log(first), QString("zamut.help: shown " + path));

    QProcess& second = Start();
    ASSERT_TRUE(second.waitForFinished(WaitMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(Log(second), "zamut.help: forwarded " + path);
    EXPECT_EQ(Log(first), QString("zamut.help: raised"));
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
} // namespace zamut
