// SPDX-License-Identifier: MIT
// The game's random generator, reseeded from the clock before every draw.

#pragma once

#include <cstdint>
#include <functional>

namespace zamut {

// The game's source of chance: reseeded from the system clock before every
// draw, then drawing one fraction 0 <= r < 1.
class RandomGenerator {
public:
    virtual void reseedFromClock() = 0;
    virtual float draw() = 0;

protected:
    RandomGenerator() = default;
    RandomGenerator(const RandomGenerator&) = default;
    RandomGenerator& operator=(const RandomGenerator&) = default;
    ~RandomGenerator() = default;
};

using Clock = std::function<std::uint64_t()>;

// Nanoseconds of the system clock.
std::uint64_t systemClockNow();

// Each clock reading is mixed into the running state instead of replacing it:
// two reseeds within one clock tick still give different draws, so a deal
// never stalls waiting for the clock, and the draws stay uniform.
class ClockMixedGenerator final : public RandomGenerator {
public:
    explicit ClockMixedGenerator(Clock clock = systemClockNow, std::uint64_t seed = 0);

    void reseedFromClock() override;
    // k / 2^24 with k < 2^24: exact in single precision and never rounds up to 1.
    float draw() override;

private:
    Clock clock_;
    std::uint64_t state_;
};

// An integer in lower..upper (the upper bound comes first). Reseeds, draws r
// and returns floor(r * count + lower) with count = upper - lower + 1; every
// integer step raises std::overflow_error instead of wrapping.
std::int32_t RandomBetween(RandomGenerator& generator, std::int32_t upper, std::int32_t lower);

} // namespace zamut
