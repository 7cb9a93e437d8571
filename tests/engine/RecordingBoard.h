#pragma once

#include "engine/Match.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace zamut::testing {

// Writes every board call out as text, so a test compares whole sequences.
class RecordingBoard final : public BoardView {
public:
    void ShowCardPicture(ImageId image, CardPicture picture) override {
        calls.push_back("show " + Name(image) + " " + std::to_string(picture));
    }
    void SetCardEnabled(ImageId handImage, bool on) override {
        calls.push_back((on ? "enable " : "disable ") + Name(handImage));
    }
    void SetCaption(LabelId label, std::string_view text) override {
        calls.push_back("Label" + std::to_string(static_cast<int>(label)) + " " +
                        std::string(text));
    }
    static std::string Name(ImageId image) {
        return "Image" + std::to_string(static_cast<int>(image.row)) + std::to_string(image.slot);
    }

    std::vector<std::string> calls;
};

// Hands out scripted fractions, one a draw, and counts the reseeds.
class ScriptedGenerator final : public RandomGenerator {
public:
    explicit ScriptedGenerator(std::deque<float> script) : script_(std::move(script)) {}
    void ReseedFromClock() override { ++reseeds; }
    float Draw() override {
        const float r = script_.front();
        script_.pop_front();
        return r;
    }
    int reseeds = 0;

private:
    std::deque<float> script_;
};

// The fraction that RandomBetween(9, 1) turns into `card`.
inline float FractionFor(int card) {
    return (static_cast<float>(card) - 0.5f) / 9.0f;
}

// A match just dealt with the computer playing `order`; the deal's calls are cleared.
struct DealtMatch {
    explicit DealtMatch(const std::array<int, 9>& order) {
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

} // namespace zamut::testing
