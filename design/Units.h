// SPDX-License-Identifier: MIT
// From the design's units to pixels: one rule for both front ends.
#pragma once

namespace zamut::units {

// The screen the design was drawn on: 96 dots per inch, where a pixel is
// 15 twips and 0.75 points.
inline constexpr int DesignDpi = 96;
inline constexpr int TwipsPerInch = 1440;
inline constexpr int CentipointsPerInch = 7200;

// `value` in units of which `perInch` make an inch, as pixels at `dpi`:
// rounded to the nearest pixel, halves away from zero, as the system's MulDiv
// rounds.
constexpr int pixels(int value, int perInch, int dpi) {
    const long long twice = 2LL * value * dpi;
    const long long rounded =
        twice >= 0 ? (twice + perInch) / (2LL * perInch) : -((-twice + perInch) / (2LL * perInch));
    return static_cast<int>(rounded);
}

constexpr int fromTwips(int twips, int dpi) {
    return pixels(twips, TwipsPerInch, dpi);
}

constexpr int fromCentipoints(int centipoints, int dpi) {
    return pixels(centipoints, CentipointsPerInch, dpi);
}

} // namespace zamut::units
