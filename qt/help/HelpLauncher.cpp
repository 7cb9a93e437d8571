// SPDX-License-Identifier: MIT
// Starts the help engine as a detached process, without a shell.

#include "qt/help/HelpLauncher.h"

#include <QProcess>

namespace zamut {

bool DetachedHelpLauncher::start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace zamut
