// SPDX-License-Identifier: MIT
// Clicks, pictures and captions on the board, and the fatal error path.
#include "GameFixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace zamut {
namespace {

using Board = testing::GameFixture;

// Other buttons, played cards and the rows are the monkey test's; it never
// lets go of a card elsewhere: the pressed card gets that release.
TEST_F(Board, ACardReleasedOffItselfIsNotPlayed) {
    newMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
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
    QTimer::singleShot(0, [] { reportFatalErrorAndExit(QStringLiteral("overflow")); });
    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.startsWith(QStringLiteral("予期しないエラー")) && text.contains("overflow"));
    // Qt's own Japanese texts were installed for the box.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

} // namespace
} // namespace zamut
