// SPDX-License-Identifier: MIT
// What both front ends say, in UTF-8: menus, labels, titles, messages, the
// help request and the names screen readers read.
#pragma once

#include "engine/BoardView.h"

#include <string>
#include <string_view>

namespace zamut::texts {

// The menu bar's captions, by the names of its menus and items.
struct MenuCaptions {
    std::string_view game, start, end, help, zamut, version;
};
inline constexpr MenuCaptions Menu{"ゲーム", "新規ゲーム",     "終了",
                                   "ヘルプ", "ザムトについて", "バージョン"};

// The board's fixed labels.
inline constexpr std::string_view Computer = "COM";
inline constexpr std::string_view Player = "あなた";
inline constexpr std::string_view Score = "得点";
// What screen readers call the hand's panel and each card in it.
inline constexpr std::string_view Hand = "手札";
// The name a Windows screen reader reads for pressing a hand card.
inline constexpr std::string_view PressAction = "押す";

inline constexpr std::string_view HelpTitle = "ザムト ヘルプ";

// The help request: the file, named without a folder, at its contents.
inline constexpr std::string_view HelpFile = "help.hlp";
inline constexpr int HelpContents = 3;

// Shown when a failure ends the program, above what failed.
inline constexpr std::string_view FatalError = "予期しないエラーが発生したため、終了します。";
// Shown when the help engine does not start, above the engine's path.
inline constexpr std::string_view HelpEngineFailure =
    "ヘルプを表示できませんでした。\nヘルプ プログラムを起動できません:";

// What a screen reader says for a card picture: "5筒" (five of circles), or
// face down.
inline std::string cardName(int picture) {
    return picture == 0 ? std::string("裏向き") : std::to_string(picture) + "筒";
}

// A board image's name: "手札 5筒", "あなた 3回戦 7筒", "COM 3回戦 7筒".
inline std::string imageName(ImageId id, int picture) {
    switch (id.row) {
    case ImageRow::Hand:
        return std::string(Hand) + " " + cardName(picture);
    case ImageRow::Player:
        return std::string(Player) + " " + std::to_string(id.slot) + "回戦 " + cardName(picture);
    case ImageRow::Computer:
        return std::string(Computer) + " " + std::to_string(id.slot) + "回戦 " + cardName(picture);
    }
    return {};
}

// A total's name: "あなたの得点 12", "COMの得点 0".
inline std::string totalName(LabelId total, std::string_view caption) {
    return std::string(total == LabelId::Label3 ? Player : Computer) + "の得点 " +
           std::string(caption);
}

} // namespace zamut::texts
