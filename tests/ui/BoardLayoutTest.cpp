#include "BoardFixture.h"

#include "ui/main/PictureBox.h"

#include <QFontInfo>
#include <QMenuBar>

namespace zamut {
namespace {

using Board = testing::BoardFixture;

TEST_F(Board, EveryControlStandsWhereItIsDesigned) {
    EXPECT_EQ(form.centralWidget()->size(), QSize(453, 358));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ザムト"));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_EQ(BoardRect(form.Picture1), QRect(304, 144, 121, 81));
    EXPECT_EQ(BoardRect(form.Picture2), QRect(40, 232, 369, 57));
    EXPECT_EQ(form.Picture1->frameWidth(), 2);
    const std::vector<std::pair<QLabel*, QPoint>> labels = {
        {form.Label7, {16, 56}},   {form.Label8, {8, 104}},   {form.Label1, {207, 168}},
        {form.Label2, {346, 154}}, {form.Label5, {322, 178}}, {form.Label6, {378, 178}},
        {form.Label3, {338, 202}}, {form.Label4, {386, 202}}};
    for (const auto& [label, topLeft] : labels) {
        EXPECT_EQ(BoardPos(label), topLeft) << label->objectName().toStdString();
    }
    for (int i = 1; i <= 9; ++i) {
        const int column = 64 + 40 * (i - 1);
        EXPECT_EQ(BoardRect(form.Image(ComputerRowImage(i))), QRect(column, 48, 24, 34));
        EXPECT_EQ(BoardRect(form.Image(PlayerRowImage(i))), QRect(column, 96, 24, 34));
        EXPECT_EQ(BoardRect(form.Image(HandImage(i))), QRect(50 + 40 * (i - 1), 242, 24, 34));
    }
}

TEST_F(Board, PanelsAndCaptionsTakeTheirColours) {
    const QColor face = form.palette().color(QPalette::Button);
    EXPECT_EQ(form.Picture1->grab().toImage().pixelColor(5, 5), face);
    EXPECT_EQ(form.Picture2->grab().toImage().pixelColor(5, 5), QColor(0, 128, 0));
    EXPECT_EQ(form.Label7->grab().toImage().pixelColor(0, 0), face);
    form.start->trigger();
    EXPECT_EQ(form.Label1->grab().toImage().pixelColor(0, 0), QColor(0, 128, 0));
}

TEST_F(Board, MenusHoldTheFourCommandsWithoutShortcuts) {
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ゲーム"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("ヘルプ"));
    const QList<QAction*> items = {form.start, form.end, form.zamut, form.version};
    const QStringList captions = {QStringLiteral("新規ゲーム"), QStringLiteral("終了"),
                                  QStringLiteral("ザムトについて"), QStringLiteral("バージョン")};
    for (qsizetype i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->text(), captions[i]);
        EXPECT_TRUE(items[i]->shortcut().isEmpty());
        EXPECT_FALSE(items[i]->text().contains(QLatin1Char('&')));
    }
    EXPECT_EQ(form.game->actions(), (QList<QAction*>{form.start, form.end}));
    EXPECT_EQ(form.help->actions(), (QList<QAction*>{form.zamut, form.version}));
}

// With Monapo, which has the designed font's widths, every label comes out at
// its designed size: regular text within 2 px; synthesised bold (neither
// installed font has a real bold face) runs about a pixel a character narrow.
TEST_F(Board, LabelsTakeTheirDesignedSizesInTheGameFont) {
    const QString family = QFontInfo(form.Label7->font()).family();
    // The second run hides Monapo through its own fontconfig file.
    const bool monapoHidden = qEnvironmentVariableIsSet("FONTCONFIG_FILE");
    EXPECT_EQ(family, monapoHidden ? QStringLiteral("IPAPGothic") : QStringLiteral("Monapo"));
    if (family != QStringLiteral("Monapo")) {
        GTEST_SKIP() << "sizes are designed for Monapo's widths, not " << family.toStdString();
    }
    struct Designed {
        QLabel* label;
        QSize size;
        int tolerance;
    };
    const std::vector<Designed> designed = {{form.Label7, {35, 16}, 2}, {form.Label8, {45, 16}, 2},
                                            {form.Label5, {44, 16}, 2}, {form.Label6, {34, 16}, 2},
                                            {form.Label2, {35, 16}, 3}, {form.Label3, {9, 16}, 2},
                                            {form.Label4, {9, 16}, 2}};
    for (const auto& [label, size, tolerance] : designed) {
        EXPECT_NEAR(label->width(), size.width(), tolerance) << label->text().toStdString();
        EXPECT_NEAR(label->height(), size.height(), 2) << label->text().toStdString();
    }
}

TEST_F(Board, ResizingKeepsEveryControlInPlace) {
    const QRect hand = BoardRect(form.Image(HandImage(9)));
    const QRect panel = BoardRect(form.Picture1);
    form.resize(form.width() + 200, form.height() + 150);
    QTest::qWait(0);
    EXPECT_EQ(BoardRect(form.Image(HandImage(9))), hand);
    EXPECT_EQ(BoardRect(form.Picture1), panel);
    const QImage bigger = form.centralWidget()->grab().toImage();
    EXPECT_EQ(bigger.pixelColor(bigger.width() - 5, bigger.height() - 5), QColor(0, 128, 0));

    form.resize(200, 150);
    QTest::qWait(0);
    EXPECT_EQ(BoardRect(form.Picture1), panel); // now outside the window, hidden
    EXPECT_EQ(BoardPos(form.Image(HandImage(1))), QPoint(50, 242));
}

} // namespace
} // namespace zamut
