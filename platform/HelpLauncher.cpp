#include "platform/HelpLauncher.h"

#include <QProcess>

namespace zamut {

bool DetachedHelpLauncher::Start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace zamut
