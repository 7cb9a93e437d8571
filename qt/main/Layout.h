// SPDX-License-Identifier: MIT
// Board positions in twips converted to Qt's pixels.

#pragma once

#include "design/BoardLayout.h"
#include "design/Units.h"

#include <QRect>

namespace zamut {

// Qt's device-independent pixels are those of the 96-dpi screen the board
// was designed on.
constexpr int px(int twips) {
    return units::fromTwips(twips, units::DesignDpi);
}
constexpr QPoint px(layout::Point point) {
    return {px(point.left), px(point.top)};
}
constexpr QRect px(layout::Box box) {
    return {px(box.left), px(box.top), px(box.width), px(box.height)};
}

} // namespace zamut
