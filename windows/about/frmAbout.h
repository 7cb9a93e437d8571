// SPDX-License-Identifier: MIT
// The About window of the Windows program.
#pragma once

#include "windows/widgets/ImageControl.h"
#include "windows/widgets/LabelControl.h"
#include "windows/widgets/PictureBox.h"
#include "windows/widgets/ScreenScale.h"
#include "windows/widgets/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace zamut::win {

// The fixed About window. One instance lives for the whole run; its window is
// loaded (caption set, placed, shown) and unloaded any number of times.
class frmAbout final : public Window {
public:
    // applicationTitle goes into the caption; iconPicture is card picture 9.
    // owner: a hidden window, so the About window is owned by none of the
    // game's windows and stays out of the taskbar. dpi: the screen's, which
    // the window is laid out for. Every unload is reported.
    frmAbout(std::wstring applicationTitle, const Picture& iconPicture, HWND owner, int dpi,
             std::function<void()> unloaded);
    ~frmAbout() override;

    // The About command: loads and shows the window if it is not open,
    // otherwise brings the open window to the front without loading it again.
    void showModeless();
    bool isLoaded() const { return hwnd() != nullptr; }
    // Gives Enter and Esc to cmdOK, as the default and cancel button.
    bool preTranslateMessage(MSG& message);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Load();
    void buildControls();

    const std::wstring applicationTitle_;
    const Picture& iconPicture_;
    HWND owner_;
    std::function<void()> unloaded_;
    const ScreenScale scale_; // the design's 96-dpi pixels
    std::unique_ptr<PictureBox> picIcon;
    std::unique_ptr<ImageControl> icon_;
    std::unique_ptr<LabelControl> Label1, Label2, Label3, Label4, lblDescription, lblDisclaimer;
    HWND cmdOK = nullptr;
    HFONT font_;
    HFONT titleFont_;
};

} // namespace zamut::win
