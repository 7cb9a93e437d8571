// SPDX-License-Identifier: MIT
// The About window's design: where each control stands, in pixels of the
// 96-dpi screen it was drawn on, and its fonts.
#pragma once

#include "design/BoardLayout.h"

namespace zamut::about {

// Where the client area opens on the screen, and its size.
inline constexpr layout::Box Client{156, 129, 382, 237};

// The window's default font is 9 points; the title's 14.25 points, bold.
inline constexpr int FontCentipoints = 900;
inline constexpr int TitleCentipoints = 1425;

// picIcon's top-left corner; it takes its picture's size inside a sunken
// two-pixel edge.
inline constexpr layout::Point IconAt{16, 16};
inline constexpr int IconEdge = 2;

// Labels grow from their top-left corner to fit their text.
inline constexpr layout::Point Label1{152, 8}; // the title, in the title font
inline constexpr layout::Point Label2{144, 40};
inline constexpr layout::Point Label3{120, 56};
inline constexpr layout::Point Label4{160, 72};
// Text that wraps inside its box.
inline constexpr layout::Box DescriptionBox{56, 104, 259, 46};
inline constexpr layout::Box DisclaimerBox{17, 175, 258, 55};
inline constexpr layout::Box OkButton{283, 176, 92, 23};

// The etched separator between the contact text and the disclaimer: a grey
// line, and a white line of two pixels one pixel lower.
inline constexpr layout::Box SeparatorShadow{6, 163, 371, 1};
inline constexpr layout::Box SeparatorLight{7, 164, 370, 2};
inline constexpr layout::Rgb Shadow{128, 128, 128};
inline constexpr layout::Rgb Light{255, 255, 255};

} // namespace zamut::about
