// SPDX-License-Identifier: MIT
// The random number rule: bounds, rounding and overflow.
#include "ScriptedGenerator.h"
#include "engine/Match.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <stdexcept>

namespace zamut {
namespace {

using testing::ScriptedGenerator;

const float largestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(RandomBetween, MapsTheFractionOntoTheBoundsUpperFirst) {
    ScriptedGenerator generator({0.0f, largestBelowOne, 1.0f / 9.0f, 0.5f, largestBelowOne, 0.0f});
    EXPECT_EQ(RandomBetween(generator, 9, 1), 1);
    EXPECT_EQ(RandomBetween(generator, 9, 1), 9);
    EXPECT_EQ(RandomBetween(generator, 9, 1), 2); // float(1/9) lies just above 1/9
    EXPECT_EQ(RandomBetween(generator, 5, 5), 5);
    EXPECT_EQ(RandomBetween(generator, -3, -7), -3);
    EXPECT_EQ(RandomBetween(generator, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_EQ(generator.reseeds, 6);
}

TEST(RandomBetween, RaisesOverflowInsteadOfWrapping) {
    ScriptedGenerator generator({0.5f, 0.5f, 0.5f, largestBelowOne});
    EXPECT_THROW(RandomBetween(generator, INT_MAX, -1), std::overflow_error); // upper - lower
    EXPECT_THROW(RandomBetween(generator, INT_MAX, 0), std::overflow_error);  // count + 1
    EXPECT_THROW(RandomBetween(generator, INT_MIN, 1), std::overflow_error);
    // x = 2^31 does not fit the result.
    EXPECT_THROW(RandomBetween(generator, INT_MAX, INT_MAX), std::overflow_error);
    EXPECT_THROW(toCardPicture(40000), std::overflow_error);
}

} // namespace
} // namespace zamut
