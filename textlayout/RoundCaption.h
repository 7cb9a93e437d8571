// SPDX-License-Identifier: MIT
// Where the board's round caption or verdict stands, left of the score panel.
#pragma once

namespace zamut {

// The space kept between the caption and the score panel, and the least left
// margin of a wrapped caption, in pixels.
inline constexpr int CaptionGap = 8;

struct CaptionBox {
    int left;
    int top;
    int width;
    bool wraps; // the text wraps inside width; its height is the wrapped height

    friend bool operator==(const CaptionBox&, const CaptionBox&) = default;
};

// A round caption stays at origin. A longer text (a verdict) that would come
// closer than CaptionGap to the panel moves left until it keeps the gap, and
// one too wide even for that wraps between the two gaps. Coordinates are the
// board's, in pixels; textWidth is the text's width on one line.
CaptionBox placeRoundCaption(int textWidth, int originLeft, int originTop, int panelLeft);

} // namespace zamut
