// SPDX-License-Identifier: MIT
// A whole match played and followed through Qt's accessibility interfaces alone.
// (Offscreen Qt sends no accessibility events; the bus test hears them.)
#include "GameFixture.h"

#include <QAccessible>

#include <functional>

namespace zamut {
namespace {

class ScreenReader : public testing::GameFixture {
protected:
    QAccessibleInterface* Seen(ImageId id) const {
        return QAccessible::queryAccessibleInterface(form.Image(id));
    }
    static QString Name(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
    void Press(int card) {
        Seen(HandImage(card))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    }
    // The board as a screen reader walks it: role, name and availability of
    // everything in the window.
    QStringList Walk() const {
        QStringList seen;
        const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
            seen.append(QStringLiteral("%1 %2 %3")
                            .arg(node->role())
                            .arg(node->text(QAccessible::Name))
                            .arg(node->state().disabled));
            for (int i = 0; i < node->childCount(); ++i) {
                visit(node->child(i));
            }
        };
        visit(QAccessible::queryAccessibleInterface(&form));
        return seen;
    }
    // Pressing a card that is not in play changes nothing a screen reader sees.
    void ExpectPressIgnored(int card) {
        const QStringList before = Walk();
        Press(card);
        EXPECT_EQ(Walk(), before) << card;
        EXPECT_TRUE(fatalErrors.isEmpty());
    }
};

QString CardName(int picture) {
    return picture == 0 ? QStringLiteral("裏向き") : QStringLiteral("%1筒").arg(picture);
}

TEST_F(ScreenReader, PlaysAWholeMatchByPressingHandCardsAndReadsEveryRound) {
    const QString press = QAccessibleActionInterface::pressAction();
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(Seen(HandImage(slot))->role(), QAccessible::Button);
        EXPECT_EQ(Seen(HandImage(slot))->actionInterface()->actionNames(), QStringList{press});
        EXPECT_TRUE(Seen(HandImage(slot))->state().disabled);
        for (const ImageId row : {PlayerRowImage(slot), ComputerRowImage(slot)}) {
            EXPECT_EQ(Seen(row)->role(), QAccessible::Graphic);
            EXPECT_TRUE(Seen(row)->actionInterface()->actionNames().isEmpty());
        }
    }
    for (QLabel* label : {Label(LabelId::Label1), Label(LabelId::Label3), Label(LabelId::Label4)}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::StaticText);
    }
    EXPECT_EQ(Name(Label(LabelId::Label1)), QString()); // no caption, no name
    ExpectPressIgnored(5);                              // before the first new game

    const std::array<int, 9> order = {5, 3, 8, 1, 9, 2, 7, 4, 6};
    const std::array<int, 9> played = {6, 1, 9, 2, 8, 3, 7, 5, 4};
    NewMatch(order);
    EXPECT_EQ(Name(Label(LabelId::Label1)), QStringLiteral("１回戦"));
    const std::array<int, 9> player = {11, 11, 28, 31, 31, 36, 36, 45, 45},
                             computer = {0, 4, 4, 4, 21, 21, 21, 21, 31};
    std::array<bool, 10> inHand;
    inHand.fill(true);
    for (std::size_t at = 0; at < 9; ++at) {
        const int round = int(at) + 1, card = played[at];
        Press(card);
        inHand[std::size_t(card)] = false;
        for (int slot = 1; slot <= 9; ++slot) {
            const bool held = inHand[std::size_t(slot)], shown = slot <= round;
            const int mine = shown ? played[std::size_t(slot - 1)] : 0;
            const int theirs = shown ? order[std::size_t(slot - 1)] : 0;
            EXPECT_EQ(Seen(HandImage(slot))->text(QAccessible::Name),
                      QStringLiteral("手札 ") + CardName(held ? slot : 0));
            EXPECT_EQ(Seen(HandImage(slot))->state().disabled, !held) << round << slot;
            EXPECT_EQ(Seen(PlayerRowImage(slot))->text(QAccessible::Name),
                      QStringLiteral("あなた %1回戦 ").arg(slot) + CardName(mine));
            EXPECT_EQ(Seen(ComputerRowImage(slot))->text(QAccessible::Name),
                      QStringLiteral("COM %1回戦 ").arg(slot) + CardName(theirs));
        }
        EXPECT_EQ(Name(Label(LabelId::Label3)), QStringLiteral("あなたの得点 %1").arg(player[at]));
        EXPECT_EQ(Name(Label(LabelId::Label4)), QStringLiteral("COMの得点 %1").arg(computer[at]));
        EXPECT_EQ(Name(Label(LabelId::Label1)), round < 9 ? QStringLiteral("%1回戦").arg(round + 1)
                                                          : QStringLiteral("あなたの勝ちです"));
        ExpectPressIgnored(card); // played, so disabled
    }
}

} // namespace
} // namespace zamut
