// SPDX-License-Identifier: MIT
// Starts the help engine as a detached process, without a shell.

#pragma once

#include <QString>
#include <QStringList>

namespace zamut {

// Starts the help engine. Kept behind an interface so tests can record the
// request instead of opening a window.
class HelpLauncher {
public:
    virtual ~HelpLauncher() = default;

    // Starts `program` with `arguments`, detached; false when it could not start.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

// Starts the engine as a process of its own, without a shell, and never waits
// for it: the help window lives on after the game ends.
class DetachedHelpLauncher final : public HelpLauncher {
public:
    bool start(const QString& program, const QStringList& arguments) override;
};

} // namespace zamut
