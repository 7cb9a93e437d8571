// SPDX-License-Identifier: MIT
// An opaque label that sizes itself to its text from a fixed top-left corner,
// or wraps it inside a given width.
#pragma once

#include "windows/widgets/Window.h"

#include <string>
#include <string_view>
#include <vector>

namespace zamut::win {

struct LabelLook {
    HFONT font; // shared, owned by the window
    COLORREF background;
    COLORREF text;
    bool centred = false;
};

class LabelControl final : public Window {
public:
    // `id` is the control identifier it goes by in its parent.
    LabelControl(HWND parent, POINT topLeft, std::wstring text, const LabelLook& look, int id = 0);

    // Resizes to the new text on one line, keeping the left and top edges. A
    // label without text is hidden: it would show nothing. Screen readers read
    // the text, or `name` when the text alone does not say what it is.
    void setText(std::wstring text, std::wstring name = {});
    // Moves the label; with a wrap width its text breaks into lines no wider
    // than that where Japanese text may break, else it stays on one line.
    void place(POINT topLeft, int wrapWidth = 0);
    const std::wstring& text() const { return text_; }
    // The size a run of the text needs in the label's font.
    SIZE textSize(std::wstring_view run) const;
    SIZE textSize() const { return textSize(text_); }

    long accessibleRole() const override;
    std::wstring accessibleDescription() const override { return description_; }
    void setAccessibleDescription(std::wstring description) {
        description_ = std::move(description);
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring text_;
    std::vector<std::wstring_view> lines_; // views into text_
    LabelLook look_;
    std::wstring description_;
};

} // namespace zamut::win
