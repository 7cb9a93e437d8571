#pragma once

#include "engine/BoardView.h"
#include "engine/MatchState.h"
#include "engine/Random.h"
#include "platform/CommonDialog.h"
#include "ui/widgets/PixelImage.h"

#include <QMainWindow>

#include <array>
#include <functional>

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

    Form1(RandomGenerator& generator, Commands commands);

    // Menu commands.
    void NewGameCommand();
    void ExitCommand();
    void HelpCommand();
    void VersionCommand();
    // A click on the hand image of `card`.
    void PlayCardCommand(CardValue card);

    // BoardView
    void ShowCardPicture(ImageId image, CardPicture picture) override;
    void SetCardEnabled(ImageId handImage, bool on) override;
    void SetCaption(LabelId label, std::string_view text) override;

    PixelImage* Image(ImageId id) const;
    QLabel* Label(LabelId id) const;

    MatchState state;
    // Serves the help command only.
    CommonDialog dlgCommonDialog;

    // The ten card pictures, shared by every image that shows one.
    std::array<QPixmap, 10> Image1;

    QMenu* game;
    QAction* start;
    QAction* end;
    QMenu* help;
    QAction* zamut;
    QAction* version;

    std::array<PixelImage*, 9> Image2x; // Image21..Image29: the hand, card v at v - 1
    std::array<PixelImage*, 9> Image3x; // Image31..Image39: the player's row, round n at n - 1
    std::array<PixelImage*, 9> Image4x; // Image41..Image49: the computer's row
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    PictureBox* Picture1;
    PictureBox* Picture2;

private:
    void BuildMenus();
    void BuildBoard();
    void PlaceRoundCaption();

    RandomGenerator& generator_;
    Commands commands_;
};

} // namespace zamut
