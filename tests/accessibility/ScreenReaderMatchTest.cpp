// SPDX-License-Identifier: MIT
// A whole match played and followed through Qt's accessibility interfaces alone.
// (Offscreen Qt sends no accessibility events; the bus test hears them.)
#include "GameFixture.h"

#include <QAccessible>

namespace zamut {
namespace {

class ScreenReader : public testing::GameFixture {
protected:
    QAccessibleInterface* seen(ImageId id) const {
        return QAccessible::queryAccessibleInterface(form.image(id));
    }
    static QString name(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    void press(int card) {
        seen(handImage(card))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    }
    // Pressing a card that is not in play is ignored (what a click on one
    // shows is the monkey test's).
    void expectPressIgnored(int card) {
        const MatchState before = form.state();
        press(card);
        EXPECT_EQ(form.state(), before) << card;
        EXPECT_TRUE(fatalErrors.isEmpty());
    }
};

QString cardName(int picture) {
    return picture == 0 ? QStringLiteral("裏向き") : QStringLiteral("%1筒").arg(picture);
}

TEST_F(ScreenReader, PlaysAWholeMatchByPressingHandCardsAndReadsEveryRound) {
    const QString pressName = QAccessibleActionInterface::pressAction();
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(seen(handImage(slot))->role(), QAccessible::Button);
        EXPECT_EQ(seen(handImage(slot))->actionInterface()->actionNames(), QStringList{pressName});
        EXPECT_TRUE(seen(handImage(slot))->state().disabled);
        for (const ImageId row : {playerRowImage(slot), computerRowImage(slot)}) {
            EXPECT_EQ(seen(row)->role(), QAccessible::Graphic);
            EXPECT_TRUE(seen(row)->actionInterface()->actionNames().isEmpty());
        }
    }
    for (QLabel* label : {label(LabelId::Label1), label(LabelId::Label3), label(LabelId::Label4)}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::StaticText);
    }
    EXPECT_EQ(name(label(LabelId::Label1)), QString()); // no caption, no name
    expectPressIgnored(5);                              // before the first new game

    const std::array<int, 9> order = {5, 3, 8, 1, 9, 2, 7, 4, 6};
    const std::array<int, 9> played = {6, 1, 9, 2, 8, 3, 7, 5, 4};
    newMatch(order);
    EXPECT_EQ(name(label(LabelId::Label1)), QStringLiteral("１回戦"));
    const std::array<int, 9> player = {11, 11, 28, 31, 31, 36, 36, 45, 45},
                             computer = {0, 4, 4, 4, 21, 21, 21, 21, 31};
    std::array<bool, 10> inHand;
    inHand.fill(true);
    for (std::size_t at = 0; at < 9; ++at) {
        const int round = int(at) + 1, card = played[at];
        press(card);
        inHand[std::size_t(card)] = false;
        for (int slot = 1; slot <= 9; ++slot) {
            const bool held = inHand[std::size_t(slot)], shown = slot <= round;
            const int mine = shown ? played[std::size_t(slot - 1)] : 0;
            const int theirs = shown ? order[std::size_t(slot - 1)] : 0;
            EXPECT_EQ(seen(handImage(slot))->text(QAccessible::Name),
                      QStringLiteral("手札 ") + cardName(held ? slot : 0));
            EXPECT_EQ(seen(handImage(slot))->state().disabled, !held) << round << slot;
            EXPECT_EQ(seen(playerRowImage(slot))->text(QAccessible::Name),
                      QStringLiteral("あなた %1回戦 ").arg(slot) + cardName(mine));
            EXPECT_EQ(seen(computerRowImage(slot))->text(QAccessible::Name),
                      QStringLiteral("COM %1回戦 ").arg(slot) + cardName(theirs));
        }
        EXPECT_EQ(name(label(LabelId::Label3)), QStringLiteral("あなたの得点 %1").arg(player[at]));
        EXPECT_EQ(name(label(LabelId::Label4)), QStringLiteral("COMの得点 %1").arg(computer[at]));
        EXPECT_EQ(name(label(LabelId::Label1)), round < 9 ? QStringLiteral("%1回戦").arg(round + 1)
                                                          : QStringLiteral("あなたの勝ちです"));
        expectPressIgnored(card); // played, so disabled
    }
}

} // namespace
} // namespace zamut
