// SPDX-License-Identifier: MIT
// Everything the Windows program makes at start-up, wired together.
#pragma once

#include "engine/Random.h"
#include "windows/about/frmAbout.h"
#include "windows/main/Form1.h"

#include <functional>
#include <memory>

namespace zamut::win {

// The board window, wired to its operations, and the one About window, made
// by the first About command and kept to the end. The application ends when
// its last window has closed (onLastWindowClosed), or at once by the exit
// command (exit).
class Game {
public:
    struct Lifetime {
        std::function<void()> onLastWindowClosed;
        std::function<void()> exit;
    };

    // dpi: the screen's dots per inch, which both windows are laid out for.
    Game(RandomGenerator& generator, HICON icon, int dpi, Lifetime lifetime);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Form1& board() { return form_; }
    frmAbout* about() const { return about_.get(); }
    // Keyboard messages the About window takes as a dialog; true if taken.
    bool preTranslateMessage(MSG& message);

private:
    void showAbout();
    void windowClosed();

    Lifetime lifetime_;
    int dpi_;
    int openWindows_ = 1;
    // Never shown: the About window's owner, so it belongs to no window of
    // the game and stays open when the board closes. Made with the About
    // window, as start-up needs neither.
    HWND hiddenOwner_ = nullptr;
    Form1 form_;
    std::unique_ptr<frmAbout> about_;
};

} // namespace zamut::win
