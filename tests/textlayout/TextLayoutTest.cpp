// SPDX-License-Identifier: MIT
// Line breaking and caption placement without a window.
#include "textlayout/LineBreak.h"
#include "textlayout/RoundCaption.h"

#include <gtest/gtest.h>

#include <string>

namespace zamut {
namespace {

// One unit per character, so widths read as character counts.
int count(std::u16string_view run) {
    return static_cast<int>(run.size());
}

std::u16string joined(std::u16string_view text, int width) {
    std::u16string joined;
    for (const std::u16string_view line : breakLines(text, width, count))
        joined.append(line).push_back(u'|');
    return joined;
}

TEST(BreakLines, BreaksNextToJapaneseOrAfterSpacesButNeverInLatinOrBeforeClosingMarks) {
    const struct {
        std::u16string_view text;
        int width;
        std::u16string_view lines;
    } cases[] = {
        {u"あいうえお", 2, u"あい|うえ|お|"},
        {u"下記E-mail:", 3, u"下記|E-mail:|"},          // the Latin run sticks out whole
        {u"ab cd ef", 5, u"ab |cd ef|"},                // after the space
        {u"あい、うえ。お", 2, u"あ|い、|う|え。|お|"}, // a mark never starts a line
        {u"", 3, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(joined(c.text, c.width), c.lines) << c.width;
}

TEST(PlaceRoundCaption, StaysAtItsOriginThenMovesLeftThenWraps) {
    // Origin (207, 168), score panel at 304: the caption may end at 296.
    const struct {
        int textWidth;
        CaptionBox box;
    } cases[] = {
        {89, {207, 168, 89, false}},
        {90, {206, 168, 90, false}},
        {288, {8, 168, 288, false}},
        {289, {8, 168, 288, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeRoundCaption(c.textWidth, 207, 168, 304), c.box) << c.textWidth;
}

} // namespace
} // namespace zamut
