// SPDX-License-Identifier: MIT
// The About window's fixed texts, in UTF-8, written once for both front ends.
#pragma once

#include <string_view>

namespace zamut::about {

// The window's own version line, independent of the project's version.
inline constexpr std::string_view VersionLine = "Version 1.0.4";
// The copyright line stands above the author's name, which completes it.
inline constexpr std::string_view Copyright = "Copyright (C) 2026";
inline constexpr std::string_view Author = "ザムト開発チーム";
// One line that the window wraps: the request, the e-mail and web addresses,
// each address followed by a full-width space.
inline constexpr std::string_view Contact =
    "ご意見、苦情等は下記アドレスまでE-mail:zamut@example.org"
    "\u3000https://example.org/zamut/\u3000";
inline constexpr std::string_view Disclaimer =
    "警告: フリーソフトです。使用によるトラブルは一切責任を負い兼ねますので、"
    "自己責任の上でお楽しみください。";
// Follows the application title in the caption.
inline constexpr std::string_view CaptionSuffix = "のﾊﾞｰｼﾞｮﾝ情報";

} // namespace zamut::about
