#pragma once

#include "engine/BoardView.h"
#include "engine/Random.h"

#include <deque>
#include <string>
#include <vector>

namespace zamut::testing {

// One board call, written out so a test can compare whole call sequences.
inline std::string Describe(ImageId image) {
    return "Image" + std::to_string(static_cast<int>(image.row)) + std::to_string(image.slot);
}

class RecordingBoard final : public BoardView {
public:
    void ShowCardPicture(ImageId image, CardPicture picture) override {
        calls.push_back("show " + Describe(image) + " " + std::to_string(picture));
    }
    void SetCardEnabled(ImageId handImage, bool on) override {
        calls.push_back((on ? "enable " : "disable ") + Describe(handImage));
    }
    void SetCaption(LabelId label, std::string_view text) override {
        calls.push_back("caption Label" + std::to_string(static_cast<int>(label)) + " " +
                        std::string(text));
    }

    std::vector<std::string> calls;
};

// Hands out a script of fractions, one per draw, and counts the reseeds.
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

} // namespace zamut::testing
