// SPDX-License-Identifier: MIT
// An opaque label that sizes itself to its text from a fixed top-left corner.
#pragma once

#include "windows/widgets/Window.h"

#include <string>

namespace zamut::win {

struct LabelLook {
    HFONT font; // shared, owned by the window
    COLORREF background;
    COLORREF text;
    bool centred = false;
};

class LabelControl final : public Window {
public:
    LabelControl(HWND parent, POINT topLeft, std::wstring text, const LabelLook& look);

    // Resizes to the new text, keeping the left and top edges. A label
    // without text is hidden: it would show nothing.
    void SetText(std::wstring text);
    const std::wstring& text() const { return text_; }
    // The size the text needs in the label's font.
    SIZE TextSize() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring text_;
    LabelLook look_;
};

} // namespace zamut::win
