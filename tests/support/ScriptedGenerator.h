// SPDX-License-Identifier: MIT
// A random generator whose draws a test writes, so a deal comes out as it wants.
#pragma once

#include "engine/Random.h"

#include <array>
#include <deque>

namespace zamut::testing {

// The fraction that RandomBetween(9, 1) turns into `card`.
inline float fractionFor(int card) {
    return (static_cast<float>(card) - 0.5f) / 9.0f;
}

// Hands out scripted fractions, one a draw, and counts the reseeds. Once the
// script runs out it draws from a clock-mixed generator on the given clock.
class ScriptedGenerator final : public RandomGenerator {
public:
    explicit ScriptedGenerator(
        std::deque<float> fractions = {}, Clock clock = [] { return std::uint64_t{1}; },
        std::uint64_t seed = 11)
        : script(std::move(fractions)), unscripted_(std::move(clock), seed) {}

    void reseedFromClock() override {
        ++reseeds;
        unscripted_.reseedFromClock();
    }
    float draw() override {
        if (script.empty()) {
            return unscripted_.draw();
        }
        const float r = script.front();
        script.pop_front();
        return r;
    }
    // The next deal gives the computer this order.
    void nextDeal(const std::array<int, 9>& order) {
        for (int card : order)
            script.push_back(fractionFor(card));
    }

    std::deque<float> script;
    int reseeds = 0;

private:
    ClockMixedGenerator unscripted_;
};

} // namespace zamut::testing
