#include "RecordingBoard.h"

#include "engine/Match.h"

#include <gtest/gtest.h>

#include <array>

namespace zamut {
namespace {

using testing::FractionFor;
using testing::RecordingBoard;
using testing::ScriptedGenerator;

struct Outcome {
    int player_total;
    int computer_total;
    std::string verdict;
};

Outcome PlayWholeMatch(const std::array<int, 9>& computer, const std::array<int, 9>& player) {
    std::deque<float> script;
    for (int card : computer)
        script.push_back(FractionFor(card));
    ScriptedGenerator generator(script);
    MatchState state;
    RecordingBoard board;
    NewGame(state, board, generator);
    for (int card : player)
        PlayCard(state, board, card);
    EXPECT_EQ(state.CurrentRound, 9);
    std::string last = board.calls.back();
    const std::string prefix = "caption Label1 ";
    EXPECT_EQ(last.rfind(prefix, 0), 0u) << last;
    return {state.PlayerTotal, state.ComputerTotal, last.substr(prefix.size())};
}

TEST(JudgeMatch, VerdictsOfWholeMatches) {
    const std::array<int, 9> ascending = {1, 2, 3, 4, 5, 6, 7, 8, 9};

    const Outcome mirrored =
        PlayWholeMatch({4, 7, 1, 9, 2, 8, 3, 6, 5}, {4, 7, 1, 9, 2, 8, 3, 6, 5});
    EXPECT_EQ(mirrored.verdict, "あなたはすごいです！！アカギと呼ばせてください");
    EXPECT_EQ(mirrored.player_total, 0);

    const Outcome draw = PlayWholeMatch(ascending, {2, 1, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(draw.verdict, "引き分けです");
    EXPECT_EQ(draw.player_total, 3);
    EXPECT_EQ(draw.computer_total, 3);

    const Outcome loss = PlayWholeMatch({2, 8, 9, 7, 5, 6, 1, 3, 4}, {1, 8, 9, 7, 2, 6, 5, 3, 4});
    EXPECT_EQ(loss.verdict, "あなたの負けです");
    EXPECT_EQ(loss.player_total, 6);
    EXPECT_EQ(loss.computer_total, 10);

    const Outcome win = PlayWholeMatch(ascending, {2, 3, 4, 5, 6, 7, 8, 9, 1});
    EXPECT_EQ(win.verdict, "あなたの勝ちです");
    EXPECT_EQ(win.player_total, 80);
    EXPECT_EQ(win.computer_total, 10);
}

TEST(JudgeMatch, TheLastRoundIsScoredBeforeTheVerdict) {
    std::deque<float> script;
    for (int card : {1, 2, 3, 4, 5, 6, 7, 8, 9})
        script.push_back(FractionFor(card));
    ScriptedGenerator generator(script);
    MatchState state;
    RecordingBoard board;
    NewGame(state, board, generator);
    for (int card : {1, 2, 3, 4, 5, 6, 7, 9})
        PlayCard(state, board, card);
    board.calls.clear();

    PlayCard(state, board, 8); // 8 against 9: 17-17, a draw only once round 9 counts

    EXPECT_EQ(board.calls,
              (std::vector<std::string>{"disable Image28", "show Image28 0", "show Image39 8",
                                        "show Image49 9", "caption Label4 17",
                                        "caption Label1 引き分けです"}));
}

} // namespace
} // namespace zamut
