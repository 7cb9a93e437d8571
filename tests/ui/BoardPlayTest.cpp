#include "GameFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QTimer>

namespace zamut {
namespace {

using Board = testing::GameFixture;

// What every click shows is the monkey test's; here, that a total grows to fit.
TEST_F(Board, ATwoDigitTotalWidensItsLabel) {
    NewMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
    ClickCard(9);
    EXPECT_EQ(Label(LabelId::Label3)->text(), "10");
    EXPECT_EQ(Label(LabelId::Label3)->size(), Label(LabelId::Label3)->sizeHint());
}

TEST_F(Board, OtherButtonsPlayedCardsRowsAndReleasesOutsideChangeNothing) {
    NewMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
    ClickCard(4);
    const MatchState afterOne = form.state();
    ClickCard(4); // played: disabled
    Click(form.Image(HandImage(6)), Qt::RightButton);
    Click(form.Image(HandImage(6)), Qt::MiddleButton);
    Click(form.Image(PlayerRowImage(1)));
    // The pressed card gets the release wherever the pointer is let go.
    QTest::mousePress(form.Image(HandImage(7)), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(form.Image(HandImage(7)), Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_EQ(form.state(), afterOne);
}

TEST_F(Board, DisabledCardsLookLikeEnabledOnesWithTheGreenInTheirCorners) {
    const QImage disabled = form.Image(HandImage(3))->grab().toImage();
    form.menu().start->trigger();
    EXPECT_EQ(form.Image(HandImage(3))->grab().toImage(), disabled);
    const QImage panel = Named("Picture2")->grab().toImage();
    const QPoint corner = form.Image(HandImage(3))->mapTo(Named("Picture2"), QPoint(0, 0));
    EXPECT_EQ(panel.pixelColor(corner), QColor(0, 128, 0));
    EXPECT_EQ(panel.pixelColor(corner + QPoint(12, 3)), QColor(Qt::white));
}

// The longest verdict, in the real font, wraps clear of the score panel on
// two lines at most; where captions go is textlayout's test.
TEST_F(Board, TheLongestVerdictFitsLeftOfTheScorePanel) {
    QLabel* caption = Label(LabelId::Label1);
    form.SetCaption(LabelId::Label1, "あなたはすごいです！！アカギと呼ばせてください");
    const QRect box = BoardRect(caption);
    EXPECT_TRUE(box.left() >= 8 && box.right() < 304 - 8 && box.top() == 168);
    EXPECT_LE(box.height(), 2 * QFontMetrics(caption->font()).height());
    EXPECT_EQ(box.height(), caption->heightForWidth(box.width()));
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
    EXPECT_EQ(name(Label(LabelId::Label3)), QStringLiteral("あなたの得点 8"));
}

TEST_F(Board, AFailureInsideAnEventGoesToTheFatalErrorHandler) {
    generator.script = {1e10f}; // far outside 0..1: the deal's card overflows
    form.menu().start->trigger();
    ASSERT_EQ(fatalErrors.size(), 1);
    EXPECT_TRUE(fatalErrors[0].contains(QStringLiteral("range")));
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
