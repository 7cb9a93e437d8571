#include "GameFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QTimer>

#include <climits>

namespace zamut {
namespace {

using Board = testing::GameFixture;

TEST_F(Board, OpensOnTheDesignedBoardAndIgnoresCardsUntilANewGame) {
    for (int i = 1; i <= 9; ++i) {
        EXPECT_TRUE(Shows(HandImage(i), i) && Shows(PlayerRowImage(i), 0) &&
                    Shows(ComputerRowImage(i), 0));
        EXPECT_FALSE(form.Image(HandImage(i))->isEnabled());
    }
    EXPECT_EQ(form.Label3->text() + form.Label4->text(), QStringLiteral("00"));
    EXPECT_TRUE(form.Label1->text().isEmpty());
    EXPECT_FALSE(form.Label1->isVisible());
    ClickCard(5);
    EXPECT_EQ(form.state, MatchState{});
}

TEST_F(Board, ClicksPlayAWholeMatchToTheVerdict) {
    NewMatch({2, 8, 9, 7, 5, 6, 1, 3, 4});
    EXPECT_EQ(form.Label1->text(), QStringLiteral("１回戦"));
    EXPECT_TRUE(form.Label1->isVisible());
    const std::array<int, 9> played = {1, 8, 9, 7, 2, 6, 5, 3, 4};
    const std::array<const char*, 9> captions = {"２回戦", "3回戦", "4回戦",
                                                 "5回戦",  "6回戦", "7回戦",
                                                 "8回戦",  "9回戦", "あなたの負けです"};
    const std::array<int, 9> player = {0, 0, 0, 0, 0, 0, 6, 6, 6},
                             computer = {3, 3, 3, 3, 10, 10, 10, 10, 10};
    for (std::size_t at = 0; at < 9; ++at) {
        const int round = int(at) + 1, card = played[at];
        ClickCard(card);
        EXPECT_TRUE(Shows(HandImage(card), 0) && !form.Image(HandImage(card))->isEnabled())
            << round;
        EXPECT_TRUE(Shows(PlayerRowImage(round), card) &&
                    Shows(ComputerRowImage(round), form.state.ComputerCard[round]));
        EXPECT_EQ(form.Label3->text(), QString::number(player[at]));
        EXPECT_EQ(form.Label4->text(), QString::number(computer[at]));
        EXPECT_EQ(form.Label1->text(), QString::fromUtf8(captions[at]));
    }
}

TEST_F(Board, OtherButtonsPlayedCardsAndRowsChangeNothing) {
    NewMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
    ClickCard(4);
    const MatchState afterOne = form.state;
    ClickCard(4); // played: disabled
    Click(form.Image(HandImage(6)), Qt::RightButton);
    Click(form.Image(HandImage(6)), Qt::MiddleButton);
    Click(form.Image(PlayerRowImage(1)));
    QTest::mousePress(form.Image(HandImage(7)), Qt::LeftButton);
    QTest::mouseRelease(form.Image(HandImage(8)), Qt::LeftButton); // released elsewhere
    EXPECT_EQ(form.state, afterOne);
}

TEST_F(Board, DisabledCardsLookLikeEnabledOnesWithTheGreenInTheirCorners) {
    const QImage disabled = form.Image(HandImage(3))->grab().toImage();
    form.start->trigger();
    EXPECT_EQ(form.Image(HandImage(3))->grab().toImage(), disabled);
    const QImage panel = form.Picture2->grab().toImage();
    const QPoint corner = form.Image(HandImage(3))->mapTo(form.Picture2, QPoint(0, 0));
    EXPECT_EQ(panel.pixelColor(corner), QColor(0, 128, 0));
    EXPECT_EQ(panel.pixelColor(corner + QPoint(12, 3)), QColor(Qt::white));
}

// Every verdict readable: clear of the score panel and the window's edge, on
// at most two lines, never over the rows or the hand; round captions stay put.
TEST_F(Board, VerdictsStayReadableAndRoundCaptionsStayInPlace) {
    const int lineHeight = QFontMetrics(form.Label1->font()).height();
    for (const char* verdict : {"あなたの勝ちです", "あなたの負けです", "引き分けです",
                                "あなたはすごいです！！アカギと呼ばせてください"}) {
        form.SetCaption(LabelId::Label1, verdict);
        const QRect caption = BoardRect(form.Label1);
        EXPECT_TRUE(caption.left() >= 8 && caption.right() < 304 - 8) << verdict;
        EXPECT_TRUE(caption.top() > 130 && caption.bottom() < 232 &&
                    caption.height() <= 2 * lineHeight);
        EXPECT_LE(form.Label1->wordWrap() ? form.Label1->heightForWidth(caption.width())
                                          : form.Label1->sizeHint().width(),
                  form.Label1->wordWrap() ? caption.height() : caption.width());
    }
    form.SetCaption(LabelId::Label1, "１回戦");
    EXPECT_EQ(BoardRect(form.Label1).topLeft(), QPoint(207, 168));
    EXPECT_EQ(form.Label1->size(), form.Label1->sizeHint());
}

TEST_F(Board, ScreenReadersHearWhatEachCardAndTotalShows) {
    auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    NewMatch({3, 1, 2, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(name(form.Image(HandImage(5))), QStringLiteral("手札 5筒"));
    EXPECT_EQ(name(form.Image(ComputerRowImage(1))), QStringLiteral("COM 1回戦 裏向き"));
    ClickCard(5);
    EXPECT_EQ(name(form.Image(HandImage(5))), QStringLiteral("手札 裏向き"));
    EXPECT_EQ(name(form.Image(PlayerRowImage(1))), QStringLiteral("あなた 1回戦 5筒"));
    EXPECT_EQ(name(form.Image(ComputerRowImage(1))), QStringLiteral("COM 1回戦 3筒"));
    EXPECT_EQ(name(form.Label3), QStringLiteral("あなたの得点 8"));
    EXPECT_EQ(form.Image(HandImage(1))->focusPolicy(), Qt::NoFocus);
}

TEST_F(Board, AFailureInsideAClickGoesToTheFatalErrorHandler) {
    NewMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
    form.state.PlayerTotal = INT_MAX - 5; // 9 against 1 overflows the total
    ClickCard(9);
    ASSERT_EQ(fatalErrors.size(), 1);
    EXPECT_TRUE(fatalErrors[0].contains(QStringLiteral("overflow")));
}

TEST(FatalError, ShowsTheStandardCriticalMessageInJapaneseAndEndsWithStatusOne) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            text = box->text();
            box->buttons().value(0)->click();
        }
    });
    poll.start(10);
    QTimer::singleShot(0, [] { ReportFatalErrorAndExit(QStringLiteral("overflow")); });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.startsWith(QStringLiteral("予期しないエラー")) && text.contains("overflow"));
    // Qt's own Japanese texts were installed for the box.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

} // namespace
} // namespace zamut
