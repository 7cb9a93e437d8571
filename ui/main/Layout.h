// SPDX-License-Identifier: MIT
// Board positions in twips and their conversion to pixels.

#pragma once

#include <QRect>

namespace zamut {

// Board positions are written in twips, 15 to a pixel at 96 dots per inch; Qt's
// device-independent pixels are those 96-dpi pixels.
constexpr int px(int twips) {
    return twips / 15;
}
constexpr QRect pxRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

} // namespace zamut
