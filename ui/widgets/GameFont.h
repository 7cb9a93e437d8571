#pragma once

#include <QFont>

namespace zamut {

// The game's Japanese proportional font at a size in pixels, so text and the
// pixel layout scale together. The designed font is not on Linux; Monapo has
// its widths, IPAPGothic is next, then whatever Japanese font is installed.
QFont GameFont(int pixelSize, bool bold = false);

} // namespace zamut
