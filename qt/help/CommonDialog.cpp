// SPDX-License-Identifier: MIT
// The help part of the common dialog: HelpFile, HelpCommand and ShowHelp.

#include "qt/help/CommonDialog.h"

#include "design/Texts.h"
#include "qt/widgets/DesignText.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QWidget>

namespace zamut {

CommonDialog::CommonDialog(std::unique_ptr<HelpLauncher> launcher, QWidget* owner)
    : launcher_(std::move(launcher)), owner_(owner) {}

QString CommonDialog::helpEngineProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZAMUT_HELP_ENGINE));
}

void CommonDialog::ShowHelp() {
    const QStringList arguments{HelpFile, QString::number(HelpCommand)};
    if (!launcher_->start(helpEngineProgram(), arguments)) {
        reportEngineFailure();
    }
}

// A missing help program is not worth losing a match over: a message says
// so and the game goes on.
void CommonDialog::reportEngineFailure() {
    if (failure_ == nullptr) {
        const QString title =
            owner_ != nullptr ? owner_->windowTitle() : QGuiApplication::applicationDisplayName();
        failure_ = new QMessageBox(QMessageBox::Warning, title,
                                   qtText(texts::HelpEngineFailure) + QLatin1Char('\n') +
                                       QDir::toNativeSeparators(helpEngineProgram()),
                                   QMessageBox::Ok, owner_);
        failure_->setTextFormat(Qt::PlainText);
        failure_->setAttribute(Qt::WA_DeleteOnClose);
        failure_->setWindowModality(Qt::NonModal);
    }
    failure_->show();
    failure_->raise();
}

} // namespace zamut
