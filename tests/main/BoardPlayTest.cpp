// SPDX-License-Identifier: MIT
// Clicks, pictures and captions on the board.
#include "GameFixture.h"

namespace zamut {
namespace {

using Board = testing::GameFixture;

// Other buttons, played cards and the rows are the monkey test's; it never
// lets go of a card elsewhere: the pressed card gets that release.
TEST_F(Board, ACardReleasedOffItselfIsNotPlayed) {
    form.menu().start->trigger();
    QTest::mousePress(form.image(handImage(7)), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(form.image(handImage(7)), Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_EQ(form.state().CurrentRound, 1);
}

TEST_F(Board, DisabledCardsLookLikeEnabledOnesWithTheGreenInTheirCorners) {
    const QImage disabled = form.image(handImage(3))->grab().toImage();
    form.menu().start->trigger();
    EXPECT_EQ(form.image(handImage(3))->grab().toImage(), disabled);
    const QImage panel = named("Picture2")->grab().toImage();
    const QPoint corner = form.image(handImage(3))->mapTo(named("Picture2"), QPoint(0, 0));
    EXPECT_EQ(panel.pixelColor(corner), QColor(0, 128, 0));
    EXPECT_EQ(panel.pixelColor(corner + QPoint(12, 3)), QColor(Qt::white));
}

// The longest verdict, in the real font, wraps clear of the score panel on
// two lines at most; where captions go is textlayout's test.
TEST_F(Board, TheLongestVerdictFitsLeftOfTheScorePanel) {
    QLabel* caption = form.label(LabelId::Label1);
    form.SetCaption(LabelId::Label1, "あなたはすごいです！！アカギと呼ばせてください");
    const QRect box = boardRect(caption);
    EXPECT_TRUE(box.left() >= 8 && box.right() < 304 - 8 && box.top() == 168);
    EXPECT_LE(box.height(), 2 * QFontMetrics(caption->font()).height());
    EXPECT_EQ(box.height(), caption->heightForWidth(box.width()));
}

} // namespace
} // namespace zamut
