// SPDX-License-Identifier: MIT
// The placement of the board's round caption.
#include "textlayout/RoundCaption.h"

namespace zamut {

CaptionBox placeRoundCaption(int textWidth, int originLeft, int originTop, int panelLeft) {
    const int limit = panelLeft - CaptionGap;
    if (originLeft + textWidth <= limit) {
        return {originLeft, originTop, textWidth, false};
    }
    if (CaptionGap + textWidth <= limit) {
        return {limit - textWidth, originTop, textWidth, false};
    }
    return {CaptionGap, originTop, limit - CaptionGap, true};
}

} // namespace zamut
