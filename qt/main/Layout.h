// SPDX-License-Identifier: MIT
// Board positions in twips converted to Qt's pixels.

#pragma once

#include "design/BoardLayout.h"

#include <QRect>

namespace zamut {

// Board positions are written in twips, 15 to a pixel at 96 dots per inch; Qt's
// device-independent pixels are those 96-dpi pixels.
constexpr int px(int twips) {
    return twips / 15;
}
constexpr QPoint px(layout::Point point) {
    return {px(point.left), px(point.top)};
}
constexpr QRect px(layout::Box box) {
    return {px(box.left), px(box.top), px(box.width), px(box.height)};
}

} // namespace zamut
