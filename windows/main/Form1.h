// SPDX-License-Identifier: MIT
// The board window of the Windows program.
#pragma once

#include "design/BoardLayout.h"
#include "engine/BoardView.h"
#include "engine/MatchState.h"
#include "engine/Random.h"
#include "windows/help/CommonDialog.h"
#include "windows/widgets/ImageControl.h"
#include "windows/widgets/LabelControl.h"
#include "windows/widgets/Picture.h"
#include "windows/widgets/PictureBox.h"
#include "windows/widgets/ScreenScale.h"
#include "windows/widgets/Window.h"

#include <array>
#include <functional>
#include <memory>

namespace zamut::win {

// The board: shows the match through BoardView and runs the menu commands.
class Form1 final : public Window, public BoardView {
public:
    // What the window needs from the application.
    struct Commands {
        std::function<void()> showAbout; // shows the one About window
        std::function<void()> exit;      // ends the application at once
        std::function<void()> closed;    // the window has closed
    };

    // Menu items, by their command identifiers.
    static constexpr WORD start = 101;
    static constexpr WORD end = 102;
    static constexpr WORD zamut = 103;
    static constexpr WORD version = 104;
    // Control identifiers, the names a control goes by: Image2v, Image3n and
    // Image4n have 2v, 3n and 4n, Label n has n and Picture n has 10 + n.
    static int controlId(ImageId image) { return 10 * static_cast<int>(image.row) + image.slot; }
    static constexpr int labelId(int n) { return n; }
    static constexpr int pictureId(int n) { return 10 + n; }

    // The help command starts `helpEngine` (by default the one beside the program).
    Form1(RandomGenerator& generator, Commands commands, HICON icon, ScreenScale scale,
          std::wstring helpEngine = CommonDialog::defaultEngine());
    ~Form1() override;

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
    const MatchState& state() const { return state_; }
    ImageControl& image(ImageId id) const;
    LabelControl& label(LabelId id) const;
    // One of the ten card pictures of Image1.
    const Picture& picture(CardPicture k) const { return Image1.at(static_cast<std::size_t>(k)); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HMENU buildMenus(); // the menu bar, holding game and help
    void buildBoard();

    RandomGenerator& generator_;
    Commands commands_;
    ScreenScale scale_; // twips
    HFONT regular_;
    HFONT bold_;
    HFONT captionFont_;
    MatchState state_;
    // Serves the help command only.
    CommonDialog dlgCommonDialog;
    // The ten card pictures, shared by every image that shows one.
    std::array<Picture, 10> Image1;

    HMENU game = nullptr;
    HMENU help = nullptr;

    std::array<std::unique_ptr<ImageControl>, 9> Image2x; // the hand, card v at v - 1
    std::array<std::unique_ptr<ImageControl>, 9> Image3x; // the player's row, round n at n - 1
    std::array<std::unique_ptr<ImageControl>, 9> Image4x; // the computer's row
    std::unique_ptr<LabelControl> Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
    std::unique_ptr<PictureBox> Picture1, Picture2;
};

} // namespace zamut::win
