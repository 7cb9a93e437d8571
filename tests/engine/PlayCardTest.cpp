#include "RecordingBoard.h"

#include "engine/Match.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace zamut {
namespace {

using testing::FractionFor;
using testing::RecordingBoard;
using testing::ScriptedGenerator;

// A live match whose computer plays `order`, with the board calls cleared.
struct Match {
    explicit Match(std::array<int, 9> order) {
        std::deque<float> script;
        for (int card : order)
            script.push_back(FractionFor(card));
        ScriptedGenerator generator(script);
        NewGame(state, board, generator);
        board.calls.clear();
    }
    MatchState state;
    RecordingBoard board;
};

TEST(PlayCard, WritesTheRoundAndScoresAWinInOrder) {
    Match match({1, 2, 3, 4, 5, 6, 7, 8, 9});

    PlayCard(match.state, match.board, 9);

    EXPECT_EQ(
        match.board.calls,
        (std::vector<std::string>{"disable Image29", "show Image29 0", "show Image31 9",
                                  "show Image41 1", "caption Label3 10", "caption Label1 2回戦"}));
    EXPECT_EQ(match.state.PlayerCard[1], 9);
    EXPECT_EQ(match.state.PlayerTotal, 10);
    EXPECT_EQ(match.state.ComputerTotal, 0);
    EXPECT_EQ(match.state.CurrentRound, 2);
}

TEST(PlayCard, LossScoresTheComputerAndATieScoresNobody) {
    Match match({5, 4, 3, 2, 1, 6, 7, 8, 9});

    PlayCard(match.state, match.board, 2); // 2 against 5: the computer takes 7
    EXPECT_EQ(match.state.ComputerTotal, 7);
    EXPECT_EQ(match.board.calls[4], "caption Label4 7");

    match.board.calls.clear();
    PlayCard(match.state, match.board, 4); // 4 against 4: a tie
    EXPECT_EQ(match.board.calls,
              (std::vector<std::string>{"disable Image24", "show Image24 0", "show Image32 4",
                                        "show Image42 4", "caption Label1 3回戦"}));
    EXPECT_EQ(match.state.PlayerTotal, 0);
    EXPECT_EQ(match.state.ComputerTotal, 7);
    EXPECT_EQ(match.state.CurrentRound, 3);
}

TEST(PlayCard, RoundCaptionsUseAFullWidthTwoOnlyAfterCardOneInRoundOne) {
    Match first_card_one({9, 8, 7, 6, 5, 4, 3, 2, 1});
    PlayCard(first_card_one.state, first_card_one.board, 1);
    EXPECT_EQ(first_card_one.board.calls.back(), "caption Label1 ２回戦");

    Match other({9, 8, 7, 6, 5, 4, 3, 2, 1});
    const std::array<int, 8> played = {2, 1, 3, 4, 5, 6, 7, 8};
    for (int round = 1; round <= 8; ++round) {
        PlayCard(other.state, other.board, played[static_cast<std::size_t>(round - 1)]);
        const std::string digit = std::to_string(round + 1);
        EXPECT_EQ(other.board.calls.back(), "caption Label1 " + digit + "回戦");
        // Each round's cards land in that round's column.
        EXPECT_EQ(other.state.CurrentRound, round + 1);
    }
}

TEST(PlayCard, DoesNothingAtAllBeforeTheFirstNewGame) {
    MatchState state;
    RecordingBoard board;
    PlayCard(state, board, 5);
    EXPECT_EQ(state, MatchState{});
    EXPECT_TRUE(board.calls.empty());
}

TEST(PlayCard, RejectsCardsOutsideTheHandAndChangesNothing) {
    Match match({1, 2, 3, 4, 5, 6, 7, 8, 9});
    match.state.PlayerCard[5] = 3; // stale entry of an earlier match: not "played"
    PlayCard(match.state, match.board, 3);
    const MatchState before = match.state;
    match.board.calls.clear();

    for (int bad : {0, 10, -1, 3}) {
        EXPECT_THROW(PlayCard(match.state, match.board, bad), std::invalid_argument) << bad;
    }
    EXPECT_EQ(match.state, before);
    EXPECT_TRUE(match.board.calls.empty());

    PlayCard(match.state, match.board, 5); // the match goes on
    EXPECT_EQ(match.state.CurrentRound, 3);
}

} // namespace
} // namespace zamut
