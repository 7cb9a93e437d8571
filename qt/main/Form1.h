// SPDX-License-Identifier: MIT
// The board window Form1: its controls, its menus and its BoardView.

#pragma once

#include "engine/BoardView.h"
#include "engine/MatchState.h"
#include "engine/Random.h"
#include "qt/help/CommonDialog.h"
#include "qt/widgets/PixelImage.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace zamut {

class PictureBox;

// The board window. It shows the match through BoardView and runs the menu
// commands; which event runs which command is wired up by the application.
class Form1 final : public QMainWindow, public BoardView {
public:
    // What the window's commands need from the application.
    struct Commands {
        std::function<void()> showAbout; // shows the one About window
    };

    // The launcher starts the help engine for the help command.
    Form1(RandomGenerator& generator, std::unique_ptr<HelpLauncher> helpLauncher,
          Commands commands);

    // Menu commands.
    void newGameCommand();
    void exitCommand();
    void helpCommand();
    void versionCommand();
    // A click on the hand image of `card`.
    void playCardCommand(CardValue card);

    // BoardView
    void ShowCardPicture(ImageId id, CardPicture shown) override;
    void SetCardEnabled(ImageId handImage, bool on) override;
    void SetCaption(LabelId id, std::string_view text) override;

    // What the wiring and the tests may look at; only the commands change it.
    struct MenuItems {
        QAction* start;
        QAction* end;
        QAction* zamut;
        QAction* version;
    };
    const MatchState& state() const { return state_; }
    const MenuItems& menu() const { return menu_; }
    PixelImage* image(ImageId id) const;
    QLabel* label(LabelId id) const;
    // One of the ten card pictures of Image1.
    const QPixmap& picture(CardPicture picture) const;

private:
    void buildMenus();
    void buildBoard();
    void placeRoundCaption();

    RandomGenerator& generator_;
    Commands commands_;
    MatchState state_;
    // Serves the help command only.
    CommonDialog dlgCommonDialog;
    // The ten card pictures, shared by every image that shows one.
    std::array<QPixmap, 10> Image1;
    MenuItems menu_{};

    std::array<PixelImage*, 9> Image2x{}; // Image21..Image29: the hand, card v at v - 1
    std::array<PixelImage*, 9> Image3x{}; // Image31..Image39: the player's row, round n at n - 1
    std::array<PixelImage*, 9> Image4x{}; // Image41..Image49: the computer's row
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
};

} // namespace zamut
