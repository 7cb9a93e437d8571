// SPDX-License-Identifier: MIT
// Program start: shows the board, then serves window events until the last window closes.

#include "engine/Random.h"
#include "qt/app/Game.h"
#include "qt/app/Wiring.h"
#include "qt/help/HelpLauncher.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The game takes no command line. Qt is given the program name alone, so
    // that its own options (-style, -reverse, -stylesheet ...) change nothing.
    char fallbackName[] = "zamut";
    char* programName[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int programArgc = 1;
    QApplication application(programArgc, programName);
    QApplication::setApplicationName(QStringLiteral("zamut")); // the X11 window class
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAMUT_APP_ID));

    zamut::ClockMixedGenerator generator;
    zamut::Game game(generator, std::make_unique<zamut::DetachedHelpLauncher>(),
                     zamut::reportFatalErrorAndExit);
    game.board().show();
    return application.exec();
}
