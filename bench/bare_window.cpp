// SPDX-License-Identifier: MIT
// The reference for the start-up benchmark: the game's window frame without
// the game. Same client size, the same Japanese menus and one label in the
// game's font, started the way the game starts.

#include "qt/widgets/GameFont.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    char fallbackName[] = "bare_window";
    char* programName[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int programArgc = 1;
    QApplication application(programArgc, programName);
    QApplication::setApplicationName(QStringLiteral("bare_window"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zamut.bare_window"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ザムト"));
    QMenuBar* menus = window.menuBar();
    menus->setNativeMenuBar(false);
    QMenu* game = menus->addMenu(QStringLiteral("ゲーム"));
    game->addAction(QStringLiteral("新規ゲーム"));
    game->addAction(QStringLiteral("終了"));
    QMenu* help = menus->addMenu(QStringLiteral("ヘルプ"));
    help->addAction(QStringLiteral("ザムトについて"));
    help->addAction(QStringLiteral("バージョン"));

    auto* label = new QLabel(QStringLiteral("ザムト"));
    label->setFont(zamut::gameFont(16));
    window.setCentralWidget(label);
    window.resize(453, 358 + menus->sizeHint().height());
    window.show();
    return application.exec();
}
