// SPDX-License-Identifier: MIT
// The board as the engine sees it: the controls it addresses and the three calls that change them.

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace zamut {

// A card value 1..9 as the game stores it.
using CardValue = std::int32_t;

inline constexpr CardValue HighestCard = 9;

// Index of one of the ten card pictures: 0 is the back, 1..9 the faces.
using CardPicture = std::int16_t;

inline constexpr CardPicture BackPicture = 0;

// Card values live in 32-bit fields but pictures are 16-bit indices; the
// narrowing is checked like every other integer step of the game.
inline CardPicture toCardPicture(std::int32_t value) {
    if (value < INT16_MIN || value > INT16_MAX) {
        throw std::overflow_error("card picture index out of the 16-bit range");
    }
    return static_cast<CardPicture>(value);
}

// The three rows of images on the board, numbered as their controls are:
// Image2v is the hand card v, Image3n and Image4n the cards of round n.
enum class ImageRow : std::uint8_t { Hand = 2, Player = 3, Computer = 4 };

struct ImageId {
    ImageRow row;
    std::int32_t slot; // 1..9: the card value in the hand, the round in the rows

    friend constexpr bool operator==(ImageId, ImageId) = default;
};

constexpr ImageId handImage(CardValue card) {
    return {ImageRow::Hand, card};
}
constexpr ImageId playerRowImage(std::int32_t round) {
    return {ImageRow::Player, round};
}
constexpr ImageId computerRowImage(std::int32_t round) {
    return {ImageRow::Computer, round};
}

// The labels the engine writes: the round caption or verdict, and the totals.
enum class LabelId : std::uint8_t { Label1 = 1, Label3 = 3, Label4 = 4 };

// Everything the engine may do to the board. The engine never reads the board
// back, so whatever implements this can stay a plain display.
class BoardView {
public:
    virtual void ShowCardPicture(ImageId image, CardPicture picture) = 0;
    virtual void SetCardEnabled(ImageId handImage, bool on) = 0;
    // text is UTF-8.
    virtual void SetCaption(LabelId label, std::string_view text) = 0;

protected:
    BoardView() = default;
    BoardView(const BoardView&) = default;
    BoardView& operator=(const BoardView&) = default;
    ~BoardView() = default;
};

} // namespace zamut
