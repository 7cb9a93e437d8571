// SPDX-License-Identifier: MIT
// zamut-help FILE [COMMAND]: shows the contents of a help file in a window of
// its own. COMMAND 3 (the contents topic) is the only one there is.

#include "design/Texts.h"
#include "helpfile/HelpFile.h"
#include "qt/help/HelpInstance.h"
#include "qt/help/HelpView.h"
#include "qt/widgets/DesignText.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#include <unistd.h>

// Off by default; tests and curious users turn it on with
// QT_LOGGING_RULES="zamut.help.info=true".
Q_LOGGING_CATEGORY(lcHelp, "zamut.help", QtWarningMsg)

namespace {

int usage() {
    std::fputs("usage: zamut-help FILE [3]\n", stderr);
    return 2;
}

int terminationPipe[2] = {-1, -1};

// Ends the event loop on SIGTERM, SIGINT and SIGHUP, so the window's socket
// is removed as on a normal close.
void quitOnTermination() {
    if (::pipe(terminationPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        std::signal(signal,
                    [](int) { [[maybe_unused]] auto n = ::write(terminationPipe[1], "", 1); });
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zamut-help"));
    QApplication::setApplicationDisplayName(zamut::qtText(zamut::texts::HelpTitle));

    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2) {
        return usage();
    }
    if (arguments.size() == 2 && arguments[1].toInt() != zamut::texts::HelpContents) {
        return usage();
    }

    namespace helpfile = zamut::helpfile;
    const std::filesystem::path engineDir(
        QFile::encodeName(QApplication::applicationDirPath()).toStdString());
    const helpfile::Content content = helpfile::open(QFile::encodeName(arguments[0]).toStdString(),
                                                     helpfile::searchDirs(engineDir));
    const QString path = QFile::decodeName(content.path.c_str());

    // A window that shows a failure takes no later request: the next one may
    // find the file.
    zamut::HelpInstance instance(QFileInfo(path).canonicalFilePath(),
                                 content.ok ? zamut::HelpInstance::privateFolder() : QString());
    if (!instance.claim()) {
        qCInfo(lcHelp).noquote() << "forwarded" << path;
        return 0;
    }
    quitOnTermination();

    zamut::HelpView view;
    QObject::connect(&instance, &zamut::HelpInstance::raiseRequested, &view, [&view] {
        view.bringToFront();
        qCInfo(lcHelp) << "raised";
    });
    view.showContent(content);
    view.show();
    qCInfo(lcHelp).noquote() << (content.ok ? "shown" : "failed") << path;
    return QApplication::exec();
}
