// SPDX-License-Identifier: MIT
// A board that records the engine's calls as text, and a freshly dealt match.
#pragma once

#include "ScriptedGenerator.h"
#include "engine/Match.h"

#include <array>
#include <string>
#include <vector>

namespace zamut::testing {

// Writes every board call out as text, so a test compares whole sequences.
class RecordingBoard final : public BoardView {
public:
    void ShowCardPicture(ImageId image, CardPicture picture) override {
        calls.push_back("show " + name(image) + " " + std::to_string(picture));
    }
    void SetCardEnabled(ImageId handImage, bool on) override {
        calls.push_back((on ? "enable " : "disable ") + name(handImage));
    }
    void SetCaption(LabelId label, std::string_view text) override {
        calls.push_back("Label" + std::to_string(static_cast<int>(label)) + " " +
                        std::string(text));
    }
    static std::string name(ImageId image) {
        return "Image" + std::to_string(static_cast<int>(image.row)) + std::to_string(image.slot);
    }

    std::vector<std::string> calls;
};

// A match just dealt with the computer playing `order`; the deal's calls are cleared.
struct DealtMatch {
    explicit DealtMatch(const std::array<int, 9>& order) {
        ScriptedGenerator generator;
        generator.nextDeal(order);
        NewGame(state, board, generator);
        board.calls.clear();
    }
    MatchState state;
    RecordingBoard board;
};

} // namespace zamut::testing
