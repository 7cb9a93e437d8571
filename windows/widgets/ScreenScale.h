// SPDX-License-Identifier: MIT
// A window's design at the screen's dots per inch.
#pragma once

#include "design/BoardLayout.h"
#include "design/Units.h"

#include <windows.h>

namespace zamut::win {

// A design keeps its proportions at any DPI: lengths in its unit (twips for
// the board, pixels of the 96-dpi screen for the About window) become pixels
// by the one rounding rule, each edge on its own, so that boxes that touch in
// the design still touch. Pictures are enlarged by the whole factor that fits
// (2 at 192 dpi, 1 up to 191), so they stay crisp.
struct ScreenScale {
    int dpi = units::DesignDpi;
    int unitsPerInch = units::TwipsPerInch;

    int px(int length) const { return units::pixels(length, unitsPerInch, dpi); }
    POINT px(layout::Point point) const { return {px(point.left), px(point.top)}; }
    RECT px(layout::Box box) const {
        return {px(box.left), px(box.top), px(box.left + box.width), px(box.top + box.height)};
    }
    int pictureFactor() const { return dpi >= 192 ? dpi / 96 : 1; }
};

} // namespace zamut::win
