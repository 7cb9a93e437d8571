// SPDX-License-Identifier: MIT
// Everything start-up makes: the board window, its wiring and the one About window.

#pragma once

#include "app/Wiring.h"
#include "engine/Random.h"
#include "ui/about/frmAbout.h"
#include "ui/main/Form1.h"

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
