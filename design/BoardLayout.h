// SPDX-License-Identifier: MIT
// The board's design, in twips (1440 to the inch): where each control stands.
#pragma once

#include "engine/BoardView.h"

#include <string_view>

namespace zamut::layout {

struct Point {
    int left;
    int top;
};
struct Box {
    int left;
    int top;
    int width;
    int height;
};
struct Rgb {
    int red;
    int green;
    int blue;
};

// The board below the menu bar.
inline constexpr int ClientWidth = 6795;
inline constexpr int ClientHeight = 5370;
inline constexpr Rgb BoardGreen{0, 128, 0};

// Every card image has the pictures' size; the rows stand on the board, the
// hand inside Picture2.
inline constexpr int CardWidth = 360;
inline constexpr int CardHeight = 510;
constexpr Point cardAt(ImageId id) {
    const int column = 600 * (id.slot - 1);
    switch (id.row) {
    case ImageRow::Hand:
        return {120 + column, 120};
    case ImageRow::Player:
        return {960 + column, 1440};
    case ImageRow::Computer:
        return {960 + column, 720};
    }
    return {};
}

// Labels grow from their top-left corner to fit their text, in the game's
// 12-point font; the round caption in a 14.25-point bold one, and only it may move
// (left of the score panel, when a long verdict would run under it).
inline constexpr std::string_view FontFace = "ＭＳ Ｐゴシック"; // each front end has fallbacks
inline constexpr int LabelCentipoints = 1200;
inline constexpr int CaptionCentipoints = 1425;
inline constexpr Point Label7{240, 840};   // COM
inline constexpr Point Label8{120, 1560};  // あなた
inline constexpr Point Label1{3105, 2520}; // the round caption

// The score panel, and the labels inside it.
inline constexpr Box Picture1{4560, 2160, 1815, 1215};
inline constexpr Point Label2{600, 120};  // 得点
inline constexpr Point Label5{240, 480};  // あなた
inline constexpr Point Label6{1080, 480}; // COM
inline constexpr Point Label3{480, 840};  // the player's total
inline constexpr Point Label4{1200, 840}; // the computer's total

// The hand's panel.
inline constexpr Box Picture2{600, 3480, 5535, 855};

} // namespace zamut::layout
