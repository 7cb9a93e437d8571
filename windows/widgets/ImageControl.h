// SPDX-License-Identifier: MIT
// An image on the board: a child window that shows a shared picture.
#pragma once

#include "windows/widgets/Picture.h"
#include "windows/widgets/Window.h"

namespace zamut::win {

// Shows a shared picture at its natural size (times the whole-number scale),
// its transparent pixels showing the parent's background. A click, a left press and
// release on the same image, reaches the parent as WM_COMMAND with the
// control's id and BN_CLICKED. A disabled image gets no mouse input from the
// system and is drawn exactly like an enabled one. Screen readers see a
// picture, or with `button` a push button whose default action clicks it; a
// button starts disabled, as the hand waits for a game.
class ImageControl final : public Window {
public:
    ImageControl(HWND parent, int id, POINT topLeft, SIZE size, const Picture& picture, int scale,
                 bool button = false);

    void setPicture(const Picture& picture); // shared, not copied
    const Picture* picture() const { return picture_; }

    long accessibleRole() const override;
    std::wstring defaultActionName() const override;
    void doDefaultAction() override { click(); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void click();

    const Picture* picture_;
    int scale_;
    bool button_;
    bool pressed_ = false;
};

} // namespace zamut::win
