// SPDX-License-Identifier: MIT
// The rules of one match: new deal, playing a card and the final judgement.

#include "engine/Match.h"

#include "engine/CheckedMath.h"

#include <stdexcept>
#include <string>

namespace zamut {

namespace {

// True if `card` is among the cards of the rounds before `round`.
bool playedBefore(const ByRound& cards, std::int32_t round, CardValue card) {
    for (std::int32_t earlier = 1; earlier < round; ++earlier) {
        if (cards[earlier] == card) {
            return true;
        }
    }
    return false;
}

// The caption after round `played`. The full-width "２回戦" after card 1 in
// round 1 is deliberate: it matches the full-width "１回戦" of a new game,
// while every other caption uses ordinary digits.
std::string nextRoundCaption(std::int32_t played, CardValue card) {
    if (played == 1 && card == 1) {
        return "２回戦";
    }
    return std::to_string(played + 1) + "回戦";
}

} // namespace

void Deal(MatchState& state, BoardView& view, RandomGenerator& generator) {
    for (std::int32_t round = 1; round <= RoundCount; ++round) {
        do {
            state.ComputerCard[round] = RandomBetween(generator, HighestCard, 1);
        } while (playedBefore(state.ComputerCard, round, state.ComputerCard[round]));
    }
    state.PlayerTotal = 0;
    state.ComputerTotal = 0;
    state.CurrentRound = 1;

    view.SetCaption(LabelId::Label1, "");
    view.SetCaption(LabelId::Label3, "0");
    view.SetCaption(LabelId::Label4, "0");
    for (CardValue card = 1; card <= HighestCard; ++card) {
        view.ShowCardPicture(handImage(card), toCardPicture(card));
    }
    for (std::int32_t round = 1; round <= RoundCount; ++round) {
        view.ShowCardPicture(playerRowImage(round), BackPicture);
    }
    for (std::int32_t round = 1; round <= RoundCount; ++round) {
        view.ShowCardPicture(computerRowImage(round), BackPicture);
    }
}

void NewGame(MatchState& state, BoardView& view, RandomGenerator& generator) {
    Deal(state, view, generator);
    view.SetCaption(LabelId::Label1, "１回戦");
    for (CardValue card = 1; card <= HighestCard; ++card) {
        view.SetCardEnabled(handImage(card), true);
    }
}

void PlayCard(MatchState& state, BoardView& view, CardValue card) {
    const std::int32_t round = state.CurrentRound;
    if (round < 1 || round > RoundCount) {
        return;
    }
    if (card < 1 || card > HighestCard) {
        throw std::invalid_argument("PlayCard: card " + std::to_string(card) +
                                    " is not a card value 1..9");
    }
    if (playedBefore(state.PlayerCard, round, card)) {
        throw std::invalid_argument("PlayCard: card " + std::to_string(card) +
                                    " was already played in this match");
    }

    state.PlayerCard[round] = card;
    view.SetCardEnabled(handImage(card), false);
    view.ShowCardPicture(handImage(card), BackPicture);
    view.ShowCardPicture(playerRowImage(round), toCardPicture(card));
    const CardValue computer = state.ComputerCard[round];
    view.ShowCardPicture(computerRowImage(round), toCardPicture(computer));

    if (card > computer) {
        state.PlayerTotal = checkedAdd(checkedAdd(state.PlayerTotal, card), computer);
        view.SetCaption(LabelId::Label3, std::to_string(state.PlayerTotal));
    } else if (card < computer) {
        state.ComputerTotal = checkedAdd(checkedAdd(state.ComputerTotal, computer), card);
        view.SetCaption(LabelId::Label4, std::to_string(state.ComputerTotal));
    }

    if (round < RoundCount) {
        state.CurrentRound = round + 1;
        view.SetCaption(LabelId::Label1, nextRoundCaption(round, card));
    } else {
        JudgeMatch(state, view);
    }
}

MatchOutcome outcomeOf(const MatchState& state) {
    if (state.PlayerTotal > state.ComputerTotal) {
        return MatchOutcome::Win;
    }
    if (state.PlayerTotal < state.ComputerTotal) {
        return MatchOutcome::Loss;
    }
    return state.PlayerCard == state.ComputerCard ? MatchOutcome::Praise : MatchOutcome::Draw;
}

std::string_view verdictCaption(MatchOutcome outcome) {
    switch (outcome) {
    case MatchOutcome::Win:
        return "あなたの勝ちです";
    case MatchOutcome::Loss:
        return "あなたの負けです";
    case MatchOutcome::Draw:
        return "引き分けです";
    case MatchOutcome::Praise:
        return "あなたはすごいです！！アカギと呼ばせてください";
    }
    throw std::invalid_argument("unknown match outcome");
}

void JudgeMatch(const MatchState& state, BoardView& view) {
    view.SetCaption(LabelId::Label1, verdictCaption(outcomeOf(state)));
}

} // namespace zamut
