// SPDX-License-Identifier: MIT
// Draws the ten card pictures and the icon, pixel by pixel.

#pragma once

#include <QImage>

namespace zamut {

inline constexpr int CardPictureCount = 10;
inline constexpr int CardPictureWidth = 24;
inline constexpr int CardPictureHeight = 34;
inline constexpr int IconPictureSize = 32;

// Card picture k (0 the back, 1..9 the faces of the circle suit), an indexed
// image whose palette entry 0 is the transparent cyan.
QImage drawCardPicture(int k);

// The program's icon: the tile of nine circles seen from the front, with only
// its top-left pixel transparent.
QImage drawIconPicture();

} // namespace zamut
