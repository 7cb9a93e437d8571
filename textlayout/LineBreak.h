// SPDX-License-Identifier: MIT
// Where Japanese text may break into lines, given a way to measure a run of it.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace zamut {

// The width of a run of text in the caller's units (pixels of its font).
using MeasureText = std::function<int(std::u16string_view)>;

// True if a line may end between text[at - 1] and text[at] (0 < at < size):
// after a space or next to a Japanese character, but never inside a run of
// Latin text, so "E-mail" and addresses stay whole, and never before a closing
// mark such as "、" or "。", which must not start a line.
bool mayBreakBefore(std::u16string_view text, std::size_t at);

// Splits text into lines no wider than width where it can: each line ends at
// the last break that still fits. A run with no break that fits stays whole
// and sticks out. The lines are views into text, in order, covering it all.
std::vector<std::u16string_view> breakLines(std::u16string_view text, int width,
                                            const MeasureText& measure);

} // namespace zamut
