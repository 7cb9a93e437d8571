// SPDX-License-Identifier: MIT
// The event wiring: which window event runs which operation, each run guarded.

#include "qt/app/Wiring.h"

#include "design/AppInfo.h"
#include "design/Texts.h"
#include "qt/main/Form1.h"
#include "qt/widgets/DesignText.h"

#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

namespace zamut {

namespace {

template <typename Operation>
auto guarded(Operation operation, const FatalErrorHandler& onFatalError) {
    return [operation, onFatalError] {
        try {
            operation();
        } catch (const std::exception& error) {
            onFatalError(QString::fromUtf8(error.what()));
        } catch (...) {
            onFatalError(QStringLiteral("unknown error"));
        }
    };
}

} // namespace

void wireForm1(Form1& form, const FatalErrorHandler& onFatalError) {
    auto* f = &form;
    QObject::connect(form.menu().start, &QAction::triggered, f,
                     guarded([f] { f->newGameCommand(); }, onFatalError));
    QObject::connect(form.menu().end, &QAction::triggered, f,
                     guarded([f] { f->exitCommand(); }, onFatalError));
    QObject::connect(form.menu().zamut, &QAction::triggered, f,
                     guarded([f] { f->helpCommand(); }, onFatalError));
    QObject::connect(form.menu().version, &QAction::triggered, f,
                     guarded([f] { f->versionCommand(); }, onFatalError));
    for (CardValue card = 1; card <= HighestCard; ++card) {
        QObject::connect(form.image(handImage(card)), &PixelImage::clicked, f,
                         guarded([f, card] { f->playCardCommand(card); }, onFatalError));
    }
}

void reportFatalErrorAndExit(const QString& what) {
    // Qt's own Japanese texts for the message box's buttons; loaded only now,
    // since a healthy run never needs them.
    static QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
    QMessageBox::critical(nullptr, QString::fromUtf8(AppInfo.Title),
                          qtText(texts::FatalError) + QStringLiteral("\n\n") + what);
    QCoreApplication::exit(1);
}

} // namespace zamut
