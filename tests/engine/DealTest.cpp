// SPDX-License-Identifier: MIT
// Chance: the random number rule (bounds, rounding and overflow), and the deal
// that draws with it (redraws, the board it resets, the clock's part and its
// fairness).
#include "SnapshotBoard.h"

#include <gtest/gtest.h>

#include <bitset>
#include <climits>
#include <cmath>
#include <stdexcept>

namespace zamut {
namespace {

using namespace zamut::testing;

const float largestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(RandomBetween, MapsTheFractionOntoTheBoundsUpperFirstAndRaisesOverflowInsteadOfWrapping) {
    ScriptedGenerator generator({0.0f, largestBelowOne, 1.0f / 9.0f, 0.5f, largestBelowOne, 0.0f,
                                 0.5f, 0.5f, 0.5f, largestBelowOne});
    EXPECT_EQ(RandomBetween(generator, 9, 1), 1);
    EXPECT_EQ(RandomBetween(generator, 9, 1), 9);
    EXPECT_EQ(RandomBetween(generator, 9, 1), 2); // float(1/9) lies just above 1/9
    EXPECT_EQ(RandomBetween(generator, 5, 5), 5);
    EXPECT_EQ(RandomBetween(generator, -3, -7), -3);
    EXPECT_EQ(RandomBetween(generator, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_THROW(RandomBetween(generator, INT_MAX, -1), std::overflow_error); // upper - lower
    EXPECT_THROW(RandomBetween(generator, INT_MAX, 0), std::overflow_error);  // count + 1
    EXPECT_THROW(RandomBetween(generator, INT_MIN, 1), std::overflow_error);
    // x = 2^31 does not fit the result.
    EXPECT_THROW(RandomBetween(generator, INT_MAX, INT_MAX), std::overflow_error);
    EXPECT_THROW(toCardPicture(40000), std::overflow_error);
}

TEST(NewGame, RedrawsRepeatsThenResetsMatchAndBoardAndEnablesTheHand) {
    // 3, then 3 again (drawn anew), then 1, 2, 4..9.
    const std::array<int, 9> dealt = {3, 1, 2, 4, 5, 6, 7, 8, 9};
    ScriptedGenerator generator({fractionFor(3)});
    generator.nextDeal(dealt);
    // Mid-match (both sides have points): a redraw looks only at this deal's
    // cards, and the player's cards played so far stay.
    DealtMatch match({9, 8, 7, 6, 5, 4, 3, 2, 1});
    match.play({1, 9});
    auto& [state, board] = match;

    NewGame(state, board, generator);

    EXPECT_EQ(generator.reseeds, 10); // every draw reseeds, the rejected one too
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(state.ComputerCard[n], dealt[std::size_t(n - 1)]);
    EXPECT_EQ(state.PlayerCard[1], 1);
    EXPECT_EQ(state.PlayerTotal + state.ComputerTotal, 0);
    EXPECT_EQ(state.CurrentRound, 1);
    // The board as it starts, but for the caption and the hand taking clicks.
    SnapshotBoard fresh;
    fresh.captions[1] = "１回戦";
    for (CardValue card = 1; card <= HighestCard; ++card)
        fresh.enabled[SnapshotBoard::key(handImage(card))] = true;
    EXPECT_EQ(board, fresh);
}

// Two launches that differ only in the clock deal apart from the same seed.
// Each deal a permutation, on a frozen clock too (a deal never waits for the
// clock to move), and each value equally likely at each position. A seeded
// generator and a scripted clock make it deterministic; 26.12 is the
// chi-square 99.9% quantile for 8 degrees of freedom.
TEST(Deal, TheClockChangesTheDealAndEveryValueIsEquallyLikelyAtEveryPosition) {
    ClockMixedGenerator frozen([] { return std::uint64_t{0}; });
    ClockMixedGenerator later([] { return std::uint64_t{1}; });
    std::uint64_t tick = 1'700'000'000'000'000'000ULL;
    ClockMixedGenerator generator([&tick] { return tick += 1000; }, 2024);
    MatchState state, other;
    SnapshotBoard board;
    Deal(state, board, frozen);
    Deal(other, board, later);
    EXPECT_NE(state.ComputerCard, other.ComputerCard);
    constexpr int deals = 18000;
    std::array<std::array<int, 9>, 9> counts{};
    for (int i = 0; i < deals; ++i) {
        Deal(state, board, i % 2 == 0 ? generator : frozen);
        std::bitset<9> dealt; // set() throws for a card outside 1..9
        for (int n = 1; n <= 9; ++n) {
            dealt.set(std::size_t(state.ComputerCard[n] - 1));
            ++counts[std::size_t(n - 1)][std::size_t(state.ComputerCard[n] - 1)];
        }
        ASSERT_TRUE(dealt.all());
    }
    constexpr double expected = deals / 9.0;
    for (std::size_t position = 0; position < 9; ++position) {
        double chiSquare = 0;
        for (int count : counts[position])
            chiSquare += (count - expected) * (count - expected) / expected;
        EXPECT_LT(chiSquare, 26.12) << "round " << position + 1;
    }
}

} // namespace
} // namespace zamut
