// SPDX-License-Identifier: MIT
// Signed 32-bit arithmetic and narrowing that fail loudly instead of wrapping.

#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace zamut {

// The game's integers are signed 32-bit and fail loudly instead of wrapping.
inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw std::overflow_error("32-bit integer overflow in addition");
    }
    return sum;
}

inline std::int32_t checkedSub(std::int32_t a, std::int32_t b) {
    std::int32_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        throw std::overflow_error("32-bit integer overflow in subtraction");
    }
    return difference;
}

// Converts an integral double (already floored) to a 32-bit integer; a value
// outside the range would be undefined behaviour in C++, so it is an error.
inline std::int32_t checkedToInt32(double integral) {
    // 2^31 is exact in double, so both bounds are compared without rounding.
    constexpr double lowest = -2147483648.0;
    constexpr double pastHighest = 2147483648.0;
    if (!(integral >= lowest && integral < pastHighest)) {
        throw std::overflow_error("value out of the 32-bit integer range");
    }
    return static_cast<std::int32_t>(integral);
}

} // namespace zamut
