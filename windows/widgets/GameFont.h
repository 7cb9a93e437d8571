// SPDX-License-Identifier: MIT
// The game's Japanese proportional font.
#pragma once

#include <windows.h>

#include <string>

namespace zamut::win {

// "ＭＳ Ｐゴシック" by that face name where it is installed (or substituted),
// else the closest Japanese proportional interface font installed.
std::wstring gameFontFace();

// The font at a height in pixels; the caller owns it.
HFONT createGameFont(int pixelHeight, bool bold);

} // namespace zamut::win
