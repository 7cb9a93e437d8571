// SPDX-License-Identifier: MIT
// Playing a card: the board it leaves, scoring, round captions, refused cards
// and the verdicts.
#include "SnapshotBoard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zamut {
namespace {

using namespace zamut::testing;

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
        {ascending, {2, 1, 3, 4, 5, 6, 7, 8, 9}, 3, 3, "引き分けです"},
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
