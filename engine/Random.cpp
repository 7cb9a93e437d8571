// SPDX-License-Identifier: MIT
// The game's random generator, reseeded from the clock before every draw.

#include "engine/Random.h"

#include "engine/CheckedMath.h"

#include <chrono>
#include <cmath>

namespace zamut {

namespace {

// SplitMix64's finaliser: a bijection on 64 bits with full avalanche.
std::uint64_t splitMix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace

std::uint64_t systemClockNow() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
}

ClockMixedGenerator::ClockMixedGenerator(Clock clock, std::uint64_t seed)
    : clock_(std::move(clock)), state_(splitMix64(seed)) {}

void ClockMixedGenerator::reseedFromClock() {
    state_ = splitMix64(state_ ^ clock_());
}

float ClockMixedGenerator::draw() {
    state_ = splitMix64(state_);
    const auto k = static_cast<std::uint32_t>(state_ >> 40); // 24 bits
    return std::ldexp(static_cast<float>(k), -24);
}

std::int32_t RandomBetween(RandomGenerator& generator, std::int32_t upper, std::int32_t lower) {
    generator.reseedFromClock();
    const float r = generator.draw();
    const std::int32_t count = checkedAdd(checkedSub(upper, lower), 1);
    const double x =
        static_cast<double>(r) * static_cast<double>(count) + static_cast<double>(lower);
    return checkedToInt32(std::floor(x));
}

} // namespace zamut
