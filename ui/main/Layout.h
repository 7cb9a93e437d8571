// SPDX-License-Identifier: MIT
// Board positions in twips and their conversion to pixels.

#pragma once

#include <QRect>

namespace zamut {

// Board positions are written in twips, 15 to a pixel at 96 dots per inch; Qt's
// device-independent pixels are those 96-dpi pixels.
constexpr int Px(int twips) {
    return twips / 15;
}
constexpr QRect PxRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

} // namespace zamut
