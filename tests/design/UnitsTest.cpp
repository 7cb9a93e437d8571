// SPDX-License-Identifier: MIT
// From the design's units to pixels: the one rounding rule both front ends use.
#include "design/Units.h"

#include <gtest/gtest.h>

namespace zamut::units {
namespace {

// To the nearest pixel, halves away from zero, as the system's MulDiv.
TEST(Units, RoundToTheNearestPixelHalvesAwayFromZero) {
    const struct {
        int value, perInch, dpi, pixels;
    } cases[] = {
        {6795, TwipsPerInch, 96, 453},
        {1425, CentipointsPerInch, 144, 29},
        {7, TwipsPerInch, 96, 0},
        {-8, TwipsPerInch, 96, -1},
        {2147483, TwipsPerInch, 2880, 4294966},
    };
    for (const auto& [value, perInch, dpi, expected] : cases)
        EXPECT_EQ(pixels(value, perInch, dpi), expected) << value << " at " << dpi;
}

} // namespace
} // namespace zamut::units
