// SPDX-License-Identifier: MIT
// The rules without a window. Chance: the random number rule (bounds,
// rounding and overflow), and the deal that draws with it (redraws, the board
// it resets, the clock's part and its fairness). Playing a card: the board it
// leaves, scoring, round captions, refused cards and the verdicts.
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
                                 0.5f, 0.5f, largestBelowOne});
    EXPECT_EQ(RandomBetween(generator, 9, 1), 1);
    EXPECT_EQ(RandomBetween(generator, 9, 1), 9);
    EXPECT_EQ(RandomBetween(generator, 9, 1), 2); // float(1/9) lies just above 1/9
    EXPECT_EQ(RandomBetween(generator, 5, 5), 5);
    EXPECT_EQ(RandomBetween(generator, -3, -7), -3);
    EXPECT_EQ(RandomBetween(generator, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_THROW(RandomBetween(generator, INT_MAX, -1), std::overflow_error); // upper - lower
    EXPECT_THROW(RandomBetween(generator, INT_MAX, 0), std::overflow_error);  // count + 1
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

TEST(PlayCard, WinLossAndTieScoreAndTurnTheCardsUp) {
    DealtMatch match({1, 4, 5, 2, 3, 6, 7, 8, 9});
    const struct {
        CardValue card;
        int round;
        const char *playerTotal, *computerTotal, *caption;
    } plays[] = {
        {9, 1, "10", "0", "2回戦"}, // 9 beats 1: the player takes 10
        {2, 2, "10", "6", "3回戦"}, // 2 loses to 4: the computer takes 6
        {5, 3, "10", "6", "4回戦"}, // a tie scores nobody
        {1, 4, "10", "9", "5回戦"}, // card 1 after round 1 gives plain digits
    };
    for (const auto& [card, round, playerTotal, computerTotal, caption] : plays) {
        match.play({card});
        const SnapshotBoard& board = match.board;
        EXPECT_EQ(board.picture(handImage(card)), BackPicture) << card;
        EXPECT_FALSE(board.enabled[SnapshotBoard::key(handImage(card))]) << card;
        EXPECT_EQ(board.picture(playerRowImage(round)), card);
        EXPECT_EQ(board.picture(computerRowImage(round)), match.state.ComputerCard[round]);
        EXPECT_EQ(board.caption(LabelId::Label3), playerTotal);
        EXPECT_EQ(board.caption(LabelId::Label4), computerTotal);
        EXPECT_EQ(board.caption(LabelId::Label1), caption);
    }
    EXPECT_TRUE(match.board.enabled[SnapshotBoard::key(handImage(3))]);
}

TEST(PlayCard, OnlyCardOneInRoundOneGivesTheFullWidthTwo) {
    DealtMatch match({9, 8, 7, 6, 5, 4, 3, 2, 1});
    match.play({1});
    EXPECT_EQ(match.board.caption(LabelId::Label1), "２回戦");
}

// Whatever it is given before the first new game changes nothing at all; in a
// match, a card outside the hand is refused and changes nothing either.
TEST(PlayCard, DoesNothingBeforeTheFirstNewGameAndRejectsCardsOutsideTheHand) {
    MatchState state;
    SnapshotBoard board;
    PlayCard(state, board, 5);
    EXPECT_EQ(state, MatchState{});
    EXPECT_EQ(board, SnapshotBoard{});

    DealtMatch match({1, 2, 3, 4, 5, 6, 7, 8, 9});
    match.state.PlayerCard[5] = 3; // stale entry of an earlier match: not "played"
    match.play({3});
    const MatchState before = match.state;
    const SnapshotBoard shown = match.board;

    for (int bad : {0, 10, -1, 3})
        EXPECT_THROW(PlayCard(match.state, match.board, bad), std::invalid_argument) << bad;
    EXPECT_EQ(match.state, before);
    EXPECT_EQ(match.board, shown);
}

TEST(JudgeMatch, VerdictsOfWholeMatches) {
    const std::array<int, 9> ascending = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::array<int, 9> shuffled = {4, 7, 1, 9, 2, 8, 3, 6, 5};
    const struct {
        std::array<int, 9> computer, player;
        int playerTotal, computerTotal;
        std::string verdict;
    } cases[] = {
        {shuffled, shuffled, 0, 0, "あなたはすごいです！！アカギと呼ばせてください"},
        {{2, 8, 9, 7, 5, 6, 1, 3, 4}, {1, 8, 9, 7, 2, 6, 5, 3, 4}, 6, 10, "あなたの負けです"},
        {ascending, {2, 3, 4, 5, 6, 7, 8, 9, 1}, 80, 10, "あなたの勝ちです"},
        // 17-17 only once round 9 (8 against 9) is scored before the verdict.
        {ascending, {1, 2, 3, 4, 5, 6, 7, 9, 8}, 17, 17, "引き分けです"},
    };
    for (const auto& c : cases) {
        DealtMatch match(c.computer);
        for (int card : c.player)
            match.play({card});
        EXPECT_EQ(match.state.PlayerTotal, c.playerTotal);
        EXPECT_EQ(match.state.ComputerTotal, c.computerTotal);
        EXPECT_EQ(match.state.CurrentRound, 9);
        EXPECT_EQ(match.board.caption(LabelId::Label1), c.verdict);
        EXPECT_EQ(match.board.caption(LabelId::Label3), std::to_string(c.playerTotal));
    }
}

} // namespace
} // namespace zamut
