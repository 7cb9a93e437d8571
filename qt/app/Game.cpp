// SPDX-License-Identifier: MIT
// Start-up's windows: the board wired to its operations, and the About window made on first use.

#include "qt/app/Game.h"

#include "design/AppInfo.h"

#include <QIcon>

namespace zamut {

Game::Game(RandomGenerator& generator, std::unique_ptr<HelpLauncher> helpLauncher,
           const FatalErrorHandler& onFatalError)
    : form_(generator, std::move(helpLauncher), {[this] { showAbout(); }}) {
    // The board alone carries the program's icon: the About window has none.
    form_.setWindowIcon(QIcon(QStringLiteral(":/icon/zamut.png")));
    wireForm1(form_, onFatalError);
}

void Game::showAbout() {
    if (!about_) {
        about_ = std::make_unique<frmAbout>(QString::fromUtf8(AppInfo.Title), form_.picture(9));
    }
    about_->showModeless();
}

} // namespace zamut
