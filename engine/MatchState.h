// SPDX-License-Identifier: MIT
// The state of one match, owned by the board window.

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace zamut {

inline constexpr std::int32_t RoundCount = 9;

// Where round n (or card value n), counted 1..9 as the rules count, sits in
// an array of nine; std::out_of_range outside 1..9.
inline std::size_t roundIndex(std::int32_t round) {
    if (round < 1 || round > RoundCount) {
        throw std::out_of_range("round or card outside 1..9");
    }
    return static_cast<std::size_t>(round - 1);
}

// Nine 32-bit entries addressed by round, 1..9.
class ByRound {
public:
    std::int32_t& operator[](std::int32_t round) { return entries_[roundIndex(round)]; }
    std::int32_t operator[](std::int32_t round) const { return entries_[roundIndex(round)]; }
    friend bool operator==(const ByRound&, const ByRound&) = default;

private:
    std::array<std::int32_t, RoundCount> entries_{};
};

// The state of one match. Every field starts at 0: no match dealt yet.
struct MatchState {
    ByRound PlayerCard; // the card the player played in each round
    std::int32_t PlayerTotal = 0;
    ByRound ComputerCard; // the computer's hidden order, fixed per match
    std::int32_t ComputerTotal = 0;
    std::int32_t CurrentRound = 0; // the round to play next; 0 until the first new game

    friend bool operator==(const MatchState&, const MatchState&) = default;
};

} // namespace zamut
