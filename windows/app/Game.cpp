// SPDX-License-Identifier: MIT
// The wiring of the Windows program's windows and their lifetime.

#include "windows/app/Game.h"

namespace zamut::win {

Game::Game(RandomGenerator& generator, HICON icon, BoardScale scale, Lifetime lifetime)
    : lifetime_(std::move(lifetime)), form_(generator,
                                            Form1::Commands{
                                                .showAbout = [] {},
                                                .showHelp = [] {},
                                                .exit = [this] { lifetime_.exit(); },
                                                .closed = [this] { WindowClosed(); },
                                            },
                                            icon, scale) {}

void Game::WindowClosed() {
    if (--openWindows_ == 0) {
        lifetime_.onLastWindowClosed();
    }
}

} // namespace zamut::win
