#include "BoardFixture.h"

#include <QAccessible>

namespace zamut {
namespace {

using Board = testing::BoardFixture;

TEST_F(Board, OpensOnTheDesignedBoardAndIgnoresCardsUntilANewGame) {
    for (int i = 1; i <= 9; ++i) {
        EXPECT_TRUE(Shows(HandImage(i), i));
        EXPECT_FALSE(form.Image(HandImage(i))->isEnabled());
        EXPECT_TRUE(Shows(PlayerRowImage(i), 0));
        EXPECT_TRUE(Shows(ComputerRowImage(i), 0));
    }
    EXPECT_EQ(form.Label3->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("0"));
    EXPECT_TRUE(form.Label1->text().isEmpty());

    Click(form.Image(HandImage(5)));
    EXPECT_EQ(form.state, MatchState{});
    EXPECT_TRUE(Shows(HandImage(5), 5));
}

TEST_F(Board, ClicksPlayAWholeMatchToTheVerdict) {
    NewMatch({2, 8, 9, 7, 5, 6, 1, 3, 4});
    EXPECT_EQ(form.Label1->text(), QStringLiteral("１回戦"));
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(form.Image(HandImage(i))->isEnabled());

    const std::array<int, 9> played = {1, 8, 9, 7, 2, 6, 5, 3, 4};
    const std::array<const char*, 9> totals = {"0", "0", "0", "0", "0", "0", "6", "6", "6"};
    const std::array<const char*, 9> computerTotals = {"3",  "3",  "3",  "3", "10",
                                                       "10", "10", "10", "10"};
    for (int round = 1; round <= 9; ++round) {
        const auto at = static_cast<std::size_t>(round - 1);
        const int card = played[at];
        Click(form.Image(HandImage(card)));
        EXPECT_TRUE(Shows(HandImage(card), 0)) << round;
        EXPECT_FALSE(form.Image(HandImage(card))->isEnabled());
        EXPECT_TRUE(Shows(PlayerRowImage(round), card));
        EXPECT_TRUE(Shows(ComputerRowImage(round), form.state.ComputerCard[round]));
        EXPECT_EQ(form.Label3->text(), QLatin1String(totals[at])) << round;
        EXPECT_EQ(form.Label4->text(), QLatin1String(computerTotals[at])) << round;
        if (round == 1) {
            EXPECT_EQ(form.Label1->text(), QStringLiteral("２回戦")); // after card 1
        } else if (round < 9) {
            EXPECT_EQ(form.Label1->text(), QStringLiteral("%1回戦").arg(round + 1));
        }
    }
    EXPECT_EQ(form.Label1->text(), QStringLiteral("あなたの負けです"));
    EXPECT_TRUE(fatalErrors.isEmpty());
}

TEST_F(Board, OtherButtonsAndPlayedCardsChangeNothing) {
    NewMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
    Click(form.Image(HandImage(4)));
    const MatchState afterOne = form.state;

    Click(form.Image(HandImage(4)));                  // already played: disabled
    Click(form.Image(HandImage(6)), Qt::RightButton); // not a click
    Click(form.Image(HandImage(6)), Qt::MiddleButton);
    Click(form.Image(PlayerRowImage(1))); // rows take no clicks
    QTest::mousePress(form.Image(HandImage(7)), Qt::LeftButton);
    QTest::mouseRelease(form.Image(HandImage(8)), Qt::LeftButton); // released elsewhere

    EXPECT_EQ(form.state, afterOne);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2回戦"));
}

TEST_F(Board, NewGameMidMatchStartsOverAtOnce) {
    NewMatch({9, 8, 7, 6, 5, 4, 3, 2, 1});
    Click(form.Image(HandImage(1)));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("２回戦"));
    Click(form.Image(HandImage(2)));

    form.start->trigger();

    EXPECT_EQ(form.Label1->text(), QStringLiteral("１回戦"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("0"));
    for (int i = 1; i <= 9; ++i) {
        EXPECT_TRUE(Shows(HandImage(i), i));
        EXPECT_TRUE(form.Image(HandImage(i))->isEnabled());
        EXPECT_TRUE(Shows(ComputerRowImage(i), 0));
    }
}

TEST_F(Board, DisabledCardsLookExactlyLikeEnabledOnes) {
    const QImage disabled = form.Image(HandImage(3))->grab().toImage();
    form.start->trigger();
    const QImage enabled = form.Image(HandImage(3))->grab().toImage();
    EXPECT_EQ(disabled, enabled);
    // The corners are transparent: the hand panel's green shows through.
    const QImage panel = form.Picture2->grab().toImage();
    const QPoint corner = form.Image(HandImage(3))->mapTo(form.Picture2, QPoint(0, 0));
    EXPECT_EQ(panel.pixelColor(corner), QColor(0, 128, 0));
    EXPECT_NE(panel.pixelColor(corner + QPoint(12, 20)), QColor(0, 128, 0));
}

// Every verdict must be readable: clear of the score panel and of the window
// edges, on at most two lines, and never over the rows or the hand.
TEST_F(Board, VerdictsStayReadableAndRoundCaptionsStayInPlace) {
    const QStringList verdicts = {QStringLiteral("あなたの勝ちです"),
                                  QStringLiteral("あなたの負けです"),
                                  QStringLiteral("引き分けです"),
                                  QStringLiteral("あなたはすごいです！！アカギと呼ばせてください")};
    const int lineHeight = QFontMetrics(form.Label1->font()).height();
    for (const QString& verdict : verdicts) {
        form.SetCaption(LabelId::Label1, verdict.toStdString());
        const QRect caption = BoardRect(form.Label1);
        EXPECT_GE(caption.left(), 8) << verdict.toStdString();
        EXPECT_LE(caption.right(), 304 - 8 - 1) << verdict.toStdString();
        EXPECT_GT(caption.top(), BoardRect(form.Image(PlayerRowImage(1))).bottom());
        EXPECT_LT(caption.bottom(), BoardRect(form.Picture2).top());
        EXPECT_LE(caption.height(), 2 * lineHeight);
        // Nothing is cut: the label has all the room its text asks for.
        if (form.Label1->wordWrap()) {
            EXPECT_LE(form.Label1->heightForWidth(caption.width()), caption.height());
        } else {
            EXPECT_LE(form.Label1->sizeHint().width(), caption.width());
        }
    }
    form.SetCaption(LabelId::Label1, "");
    form.SetCaption(LabelId::Label1, "１回戦");
    EXPECT_EQ(BoardPos(form.Label1), QPoint(207, 168));
    EXPECT_EQ(form.Label1->height(), form.Label1->sizeHint().height());
}

TEST_F(Board, ScreenReadersHearWhatEachCardAndTotalShows) {
    auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(form.Image(HandImage(5))), QStringLiteral("手札 5筒"));
    EXPECT_EQ(name(form.Image(ComputerRowImage(2))), QStringLiteral("COM 2回戦 裏向き"));

    NewMatch({3, 1, 2, 4, 5, 6, 7, 8, 9});
    Click(form.Image(HandImage(5)));
    EXPECT_EQ(name(form.Image(HandImage(5))), QStringLiteral("手札 裏向き"));
    EXPECT_EQ(name(form.Image(PlayerRowImage(1))), QStringLiteral("あなた 1回戦 5筒"));
    EXPECT_EQ(name(form.Image(ComputerRowImage(1))), QStringLiteral("COM 1回戦 3筒"));
    EXPECT_EQ(name(form.Label3), QStringLiteral("あなたの得点 8"));
    EXPECT_EQ(name(form.Label1), QStringLiteral("2回戦"));
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(form.Image(HandImage(i))->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace zamut
