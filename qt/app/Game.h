// SPDX-License-Identifier: MIT
// Everything start-up makes: the board window, its wiring and the one About window.

#pragma once

#include "engine/Random.h"
#include "qt/about/frmAbout.h"
#include "qt/app/Wiring.h"
#include "qt/main/Form1.h"

#include <memory>

namespace zamut {

// Everything start-up makes: the board window, wired to its operations, and
// the one About window, made by the first About command and kept to the end.
class Game {
public:
    Game(RandomGenerator& generator, std::unique_ptr<HelpLauncher> helpLauncher,
         const FatalErrorHandler& onFatalError);

    Form1& board() { return form_; }
    frmAbout* about() const { return about_.get(); }

private:
    void showAbout();

    Form1 form_;
    std::unique_ptr<frmAbout> about_;
};

} // namespace zamut
