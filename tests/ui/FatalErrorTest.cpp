#include "BoardFixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <climits>

namespace zamut {
namespace {

using Board = testing::BoardFixture;

TEST_F(Board, AFailureInsideAClickGoesToTheFatalErrorHandler) {
    NewMatch({1, 2, 3, 4, 5, 6, 7, 8, 9});
    form.state.PlayerTotal = INT_MAX - 5; // 9 against 1 overflows the total

    Click(form.Image(HandImage(9)));

    ASSERT_EQ(fatalErrors.size(), 1);
    EXPECT_TRUE(fatalErrors[0].contains(QStringLiteral("overflow")));
}

TEST(FatalError, ShowsTheStandardCriticalMessageInJapaneseAndEndsWithStatusOne) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QString button;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        icon = box->icon();
        text = box->text();
        button = box->buttons().value(0)->text();
        box->buttons().value(0)->click();
    });
    poll.start(10);
    QTimer::singleShot(0, [] { ReportFatalErrorAndExit(QStringLiteral("overflow")); });

    EXPECT_EQ(QApplication::exec(), 1);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.startsWith(QStringLiteral("予期しないエラー")));
    EXPECT_TRUE(text.contains(QStringLiteral("overflow")));
    EXPECT_EQ(button, QStringLiteral("OK"));
    // Qt's Japanese texts were installed for the box ("OK" reads the same).
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

} // namespace
} // namespace zamut
