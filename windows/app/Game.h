// SPDX-License-Identifier: MIT
// Everything the Windows program makes at start-up, wired together.
#pragma once

#include "engine/Random.h"
#include "windows/main/Form1.h"

#include <functional>

namespace zamut::win {

// The board window, wired to its operations. The application ends when its
// last window has closed (onLastWindowClosed), or at once by the exit command
// (exit).
class Game {
public:
    struct Lifetime {
        std::function<void()> onLastWindowClosed;
        std::function<void()> exit;
    };

    Game(RandomGenerator& generator, HICON icon, BoardScale scale, Lifetime lifetime);

    Form1& board() { return form_; }

private:
    void WindowClosed();

    Lifetime lifetime_;
    int openWindows_ = 1;
    Form1 form_;
};

} // namespace zamut::win
