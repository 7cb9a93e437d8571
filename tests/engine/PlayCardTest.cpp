// SPDX-License-Identifier: MIT
// Playing a card: scoring, round captions, refused cards and the verdicts.
#include "RecordingBoard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zamut {
namespace {

using namespace zamut::testing;
using Calls = std::vector<std::string>;

TEST(PlayCard, WinLossAndTieScoreAndAdvanceInOrder) {
    DealtMatch match({1, 4, 5, 2, 3, 6, 7, 8, 9});

    PlayCard(match.state, match.board, 9); // 9 beats 1: the player takes 10
    EXPECT_EQ(match.board.calls, (Calls{"disable Image29", "show Image29 0", "show Image31 9",
                                        "show Image41 1", "Label3 10", "Label1 2回戦"}));
    match.board.calls.clear();
    PlayCard(match.state, match.board, 2); // 2 loses to 4: the computer takes 6
    EXPECT_EQ(match.board.calls, (Calls{"disable Image22", "show Image22 0", "show Image32 2",
                                        "show Image42 4", "Label4 6", "Label1 3回戦"}));
    match.board.calls.clear();
    PlayCard(match.state, match.board, 5); // a tie scores nobody
    EXPECT_EQ(match.board.calls, (Calls{"disable Image25", "show Image25 0", "show Image33 5",
                                        "show Image43 5", "Label1 4回戦"}));
    EXPECT_EQ(match.state.PlayerTotal, 10);
    EXPECT_EQ(match.state.ComputerTotal, 6);
    EXPECT_EQ(match.state.CurrentRound, 4);
}

TEST(PlayCard, OnlyCardOneInRoundOneGivesTheFullWidthTwo) {
    DealtMatch first({9, 8, 7, 6, 5, 4, 3, 2, 1});
    PlayCard(first.state, first.board, 1);
    EXPECT_EQ(first.board.calls.back(), "Label1 ２回戦");

    DealtMatch later({9, 8, 7, 6, 5, 4, 3, 2, 1});
    PlayCard(later.state, later.board, 2);
    PlayCard(later.state, later.board, 1);
    EXPECT_EQ(later.board.calls.back(), "Label1 3回戦");
}

TEST(PlayCard, DoesNothingAtAllBeforeTheFirstNewGame) {
    MatchState state;
    RecordingBoard board;
    PlayCard(state, board, 5);
    EXPECT_EQ(state, MatchState{});
    EXPECT_TRUE(board.calls.empty());
}

TEST(PlayCard, RejectsCardsOutsideTheHandAndChangesNothing) {
    DealtMatch match({1, 2, 3, 4, 5, 6, 7, 8, 9});
    match.state.PlayerCard[5] = 3; // stale entry of an earlier match: not "played"
    PlayCard(match.state, match.board, 3);
    const MatchState before = match.state;
    match.board.calls.clear();

    for (int bad : {0, 10, -1, 3})
        EXPECT_THROW(PlayCard(match.state, match.board, bad), std::invalid_argument) << bad;
    EXPECT_EQ(match.state, before);
    EXPECT_TRUE(match.board.calls.empty());
    PlayCard(match.state, match.board, 5); // and the match goes on
    EXPECT_EQ(match.state.CurrentRound, 3);
}

TEST(JudgeMatch, VerdictsOfWholeMatches) {
    struct Case {
        std::array<int, 9> computer, player;
        int playerTotal, computerTotal;
        std::string verdict;
    };
    const std::array<int, 9> ascending = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::array<int, 9> shuffled = {4, 7, 1, 9, 2, 8, 3, 6, 5};
    const std::vector<Case> cases = {
        {shuffled, shuffled, 0, 0, "あなたはすごいです！！アカギと呼ばせてください"},
        {ascending, {2, 1, 3, 4, 5, 6, 7, 8, 9}, 3, 3, "引き分けです"},
        {{2, 8, 9, 7, 5, 6, 1, 3, 4}, {1, 8, 9, 7, 2, 6, 5, 3, 4}, 6, 10, "あなたの負けです"},
        {ascending, {2, 3, 4, 5, 6, 7, 8, 9, 1}, 80, 10, "あなたの勝ちです"},
        // 17-17 only once round 9 (8 against 9) is scored before the verdict.
        {ascending, {1, 2, 3, 4, 5, 6, 7, 9, 8}, 17, 17, "引き分けです"},
    };
    for (const Case& c : cases) {
        DealtMatch match(c.computer);
        for (int card : c.player)
            PlayCard(match.state, match.board, card);
        EXPECT_EQ(match.state.PlayerTotal, c.playerTotal);
        EXPECT_EQ(match.state.ComputerTotal, c.computerTotal);
        EXPECT_EQ(match.state.CurrentRound, 9);
        EXPECT_EQ(match.board.calls.back(), "Label1 " + c.verdict);
    }
}

} // namespace
} // namespace zamut
