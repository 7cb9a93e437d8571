// SPDX-License-Identifier: MIT
// The wiring of the Windows program's windows and their lifetime.

#include "windows/app/Game.h"

#include "design/AppInfo.h"

namespace zamut::win {

Game::Game(RandomGenerator& generator, HICON icon, int dpi, Lifetime lifetime)
    : lifetime_(std::move(lifetime)), dpi_(dpi),
      // The only window made at start-up, the one the player sees first.
      form_(generator,
            Form1::Commands{
                .showAbout = [this] { showAbout(); },
                .exit = [this] { lifetime_.exit(); },
                .closed = [this] { windowClosed(); },
            },
            icon, ScreenScale{dpi}) {}

Game::~Game() {
    about_.reset();
    if (hiddenOwner_ != nullptr) {
        DestroyWindow(hiddenOwner_);
    }
}

void Game::showAbout() {
    if (!about_) {
        hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        about_ = std::make_unique<frmAbout>(widen(AppInfo.Title), form_.picture(9), hiddenOwner_,
                                            dpi_, [this] { windowClosed(); });
    }
    if (!about_->isLoaded()) {
        ++openWindows_;
    }
    about_->showModeless();
}

bool Game::preTranslateMessage(MSG& message) {
    return about_ && about_->preTranslateMessage(message);
}

void Game::windowClosed() {
    if (--openWindows_ == 0) {
        lifetime_.onLastWindowClosed();
    }
}

} // namespace zamut::win
