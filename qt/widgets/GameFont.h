// SPDX-License-Identifier: MIT
// The game's Japanese proportional font: the first installed family of its chain.

#pragma once

#include <QFont>

namespace zamut {

// The game's Japanese proportional font at a size in pixels, so text and the
// pixel layout scale together. The layout's text widths are those of
// "ＭＳ Ｐゴシック", used where installed; Monapo has the same widths, then
// IPAPGothic, then whatever Japanese font is installed.
QFont gameFont(int pixelSize, bool bold = false);

} // namespace zamut
