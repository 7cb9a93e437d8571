// SPDX-License-Identifier: MIT
// A picture box: a container child window with a sunken 2-pixel edge.
#pragma once

#include "windows/widgets/Window.h"

namespace zamut::win {

// Its client area begins inside the edge, where the board measures the
// positions of its children. Clicks of its images go on to its parent.
// Screen readers see a group of the controls in it.
class PictureBox final : public Window {
public:
    PictureBox(HWND parent, const RECT& outer, COLORREF background, int id = 0);
    ~PictureBox() override;

    long accessibleRole() const override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HBRUSH background_;
};

} // namespace zamut::win
