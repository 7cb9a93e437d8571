// SPDX-License-Identifier: MIT
// The help part of the common dialog: HelpFile, HelpCommand and ShowHelp.

#pragma once

#include "qt/help/HelpLauncher.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <memory>

class QWidget;

namespace zamut {

// The help part of the common dialog component: the window sets HelpFile and
// HelpCommand, then calls ShowHelp, which hands both to the help engine
// `zamut-help` beside the running program.
class CommonDialog {
public:
    // `launcher` starts the help engine; `owner` is the window a failure
    // message belongs to, and may be null.
    explicit CommonDialog(std::unique_ptr<HelpLauncher> launcher, QWidget* owner = nullptr);
    CommonDialog(const CommonDialog&) = delete;
    CommonDialog& operator=(const CommonDialog&) = delete;

    // Kept as set: a later ShowHelp uses them again unless they are changed.
    QString HelpFile;
    qint16 HelpCommand = 0;

    // Starts the help engine with HelpFile and HelpCommand and returns at once.
    // When the engine cannot start, a non-modal message says so and the
    // program goes on.
    void ShowHelp();

    // The engine program: `zamut-help` in the running program's folder.
    static QString helpEngineProgram();

private:
    void reportEngineFailure();

    std::unique_ptr<HelpLauncher> launcher_;
    QWidget* owner_;
    QPointer<QMessageBox> failure_;
};

} // namespace zamut
