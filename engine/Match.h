// SPDX-License-Identifier: MIT
// The rules of one match: new deal, playing a card and the final judgement.

#pragma once

#include "engine/BoardView.h"
#include "engine/MatchState.h"
#include "engine/Random.h"

#include <cstdint>
#include <string_view>

namespace zamut {

// The rules of one match. Each operation changes the board only through view,
// in the order the board is meant to change.

// Shuffles the computer's order and resets totals, captions and both rows.
void Deal(MatchState& state, BoardView& view, RandomGenerator& generator);

// The new-game command: a fresh deal, round 1, "１回戦", every hand card enabled.
void NewGame(MatchState& state, BoardView& view, RandomGenerator& generator);

// Plays the player's card in the current round; round 9 ends with JudgeMatch.
// Before the first new game it does nothing. A card outside 1..9, or one
// already played this match, throws std::invalid_argument and changes nothing:
// the window never sends one, but any other caller could.
void PlayCard(MatchState& state, BoardView& view, CardValue card);

// How a finished match ended for the player. Praise is the draw in which the
// player matched the computer's card in every round.
enum class MatchOutcome : std::uint8_t { Win, Loss, Draw, Praise };

// The outcome of a match whose nine rounds are played.
MatchOutcome outcomeOf(const MatchState& state);

// The verdict that Label1 shows for an outcome (UTF-8).
std::string_view verdictCaption(MatchOutcome outcome);

// Puts the verdict of a finished match on Label1.
void JudgeMatch(const MatchState& state, BoardView& view);

} // namespace zamut
