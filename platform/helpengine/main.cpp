// zamut-help FILE [COMMAND]: shows the contents of a help file in a window of
// its own. COMMAND 3 (the contents topic) is the only one there is.

#include "platform/helpengine/HelpInstance.h"
#include "platform/helpengine/HelpView.h"
#include "platform/helpfile/HelpFile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>

// Off by default; tests and curious users turn it on with
// QT_LOGGING_RULES="zamut.help.info=true".
Q_LOGGING_CATEGORY(lcHelp, "zamut.help", QtWarningMsg)

namespace {

constexpr int ContentsCommand = 3;

int Usage() {
    std::fputs("usage: zamut-help FILE [3]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zamut-help"));
    QApplication::setApplicationDisplayName(QStringLiteral("ザムト ヘルプ"));

    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2) {
        return Usage();
    }
    if (arguments.size() == 2 && arguments[1].toInt() != ContentsCommand) {
        return Usage();
    }

    namespace helpfile = zamut::helpfile;
    const std::filesystem::path engineDir(
        QFile::encodeName(QApplication::applicationDirPath()).toStdString());
    const helpfile::Content content = helpfile::Open(QFile::encodeName(arguments[0]).toStdString(),
                                                     helpfile::SearchDirs(engineDir));
    const QString path = QFile::decodeName(content.path.c_str());
    const QFileInfo file(path);
    const QString key = content.ok ? file.canonicalFilePath() : file.absoluteFilePath();

    zamut::HelpInstance instance(key);
    if (!instance.Claim()) {
        qCInfo(lcHelp).noquote() << "forwarded" << key;
        return 0;
    }

    zamut::HelpView view;
    QObject::connect(&instance, &zamut::HelpInstance::RaiseRequested, &view, [&view] {
        view.Raise();
        qCInfo(lcHelp) << "raised";
    });
    view.ShowContent(content);
    view.show();
    qCInfo(lcHelp).noquote() << (content.ok ? "shown" : "failed") << path;
    return QApplication::exec();
}
