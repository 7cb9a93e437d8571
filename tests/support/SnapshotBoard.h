// SPDX-License-Identifier: MIT
// The board as the engine last drew it, and a freshly dealt match on one.
#pragma once

#include "ScriptedGenerator.h"
#include "engine/Match.h"

#include <array>
#include <string>

namespace zamut::testing {

// What every control shows: pictures and hand cards' states by row * 10 +
// slot, captions by label number. It starts as the board starts.
struct SnapshotBoard final : BoardView {
    SnapshotBoard() {
        for (CardValue card = 1; card <= HighestCard; ++card)
            pictures[key(handImage(card))] = toCardPicture(card);
    }
    void ShowCardPicture(ImageId image, CardPicture picture) override {
        pictures[key(image)] = picture;
    }
    void SetCardEnabled(ImageId handImage, bool on) override { enabled[key(handImage)] = on; }
    void SetCaption(LabelId label, std::string_view text) override {
        captions[std::size_t(label)] = text;
    }
    static std::size_t key(ImageId image) { return std::size_t(image.row) * 10 + image.slot; }
    CardPicture picture(ImageId image) const { return pictures[key(image)]; }
    const std::string& caption(LabelId label) const { return captions[std::size_t(label)]; }
    bool operator==(const SnapshotBoard& other) const {
        return pictures == other.pictures && enabled == other.enabled && captions == other.captions;
    }

    std::array<CardPicture, 50> pictures{};
    std::array<bool, 50> enabled{};
    std::array<std::string, 5> captions{"", "", "", "0", "0"};
};

// A match just dealt with the computer playing `order`.
struct DealtMatch {
    explicit DealtMatch(const std::array<int, 9>& order) {
        ScriptedGenerator generator;
        generator.nextDeal(order);
        NewGame(state, board, generator);
    }
    void play(std::initializer_list<CardValue> cards) {
        for (const CardValue card : cards)
            PlayCard(state, board, card);
    }
    MatchState state;
    SnapshotBoard board;
};

} // namespace zamut::testing
