// SPDX-License-Identifier: MIT
// The board window offscreen: places, sizes, colours, menus, pictures (also on
// high-density screens) and clicks.
#include "GameFixture.h"

#include "design/BoardLayout.h"
#include "design/Units.h"

#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>

namespace zamut {
namespace {

using Board = testing::GameFixture;

// Design twips as pixels on the 96-dpi screen the tests run on.
int px(int twips) {
    return units::fromTwips(twips, units::DesignDpi);
}
QPoint at(layout::Point point) {
    return {px(point.left), px(point.top)};
}
QRect rect(layout::Box box) {
    return {px(box.left), px(box.top), px(box.width), px(box.height)};
}

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

TEST_F(Board, EveryControlStandsInPlaceWhateverTheWindowSize) {
    EXPECT_EQ(form.centralWidget()->size(),
              QSize(px(layout::ClientWidth), px(layout::ClientHeight)));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(boardRect(named<PictureBox>("Picture2")), rect(layout::Picture2));
    form.menu().start->trigger(); // the round caption shows at its place
    // Inside a panel, places count from its client area, within the 2-pixel edge.
    const QPoint scores = rect(layout::Picture1).topLeft() + QPoint(2, 2);
    const QPoint hand = rect(layout::Picture2).topLeft() + QPoint(2, 2);
    const std::vector<std::pair<QLabel*, QPoint>> labels = {
        {named<QLabel>("Label7"), at(layout::Label7)},
        {named<QLabel>("Label8"), at(layout::Label8)},
        {named<QLabel>("Label1"), {207, 168}}, // "１回戦" fits at its origin
        {named<QLabel>("Label2"), scores + at(layout::Label2)},
        {named<QLabel>("Label5"), scores + at(layout::Label5)},
        {named<QLabel>("Label6"), scores + at(layout::Label6)},
        {named<QLabel>("Label3"), scores + at(layout::Label3)},
        {named<QLabel>("Label4"), scores + at(layout::Label4)}};
    for (const auto& [label, topLeft] : labels)
        EXPECT_EQ(boardRect(label).topLeft(), topLeft) << label->objectName().toStdString();
    const QSize card(px(layout::CardWidth), px(layout::CardHeight));
    for (int i = 1; i <= HighestCard; ++i) {
        for (const ImageId id : {computerRowImage(i), playerRowImage(i)})
            EXPECT_EQ(boardRect(form.image(id)), QRect(at(layout::cardAt(id)), card));
        EXPECT_EQ(boardRect(form.image(handImage(i))),
                  QRect(hand + at(layout::cardAt(handImage(i))), card));
    }

    // Resizing moves nothing: a bigger window shows more green, a smaller one
    // cuts the board off.
    form.resize(form.width() + 200, form.height() + 150);
    const QImage bigger = form.centralWidget()->grab().toImage();
    EXPECT_EQ(bigger.pixelColor(bigger.width() - 5, bigger.height() - 5), QColor(0, 128, 0));
    EXPECT_EQ(boardRect(named<PictureBox>("Picture1")), rect(layout::Picture1));
    form.resize(200, 150);
    EXPECT_EQ(boardRect(named<PictureBox>("Picture1")), rect(layout::Picture1)); // outside now
}

// With Monapo, which has the layout font's widths, the labels come out at
// the layout's sizes: regular text within 2 px; synthesised bold (neither
// installed font has a bold face) runs about a pixel a character narrow.
TEST_F(Board, LabelsTakeTheirSizesAndColours) {
    const QColor face = form.palette().color(QPalette::Button);
    EXPECT_EQ(named<PictureBox>("Picture1")->grab().toImage().pixelColor(5, 5), face);
    EXPECT_EQ(named<QLabel>("Label7")->grab().toImage().pixelColor(0, 0), face);
    form.menu().start->trigger();
    EXPECT_EQ(named<QLabel>("Label1")->grab().toImage().pixelColor(0, 0), QColor(0, 128, 0));

    // The second run hides Monapo through its own fontconfig file.
    const QString family = QFontInfo(named<QLabel>("Label7")->font()).family();
    EXPECT_EQ(family, qEnvironmentVariableIsSet("FONTCONFIG_FILE") ? "IPAPGothic" : "Monapo");
    if (family != QStringLiteral("Monapo"))
        return;
    const std::vector<std::tuple<QLabel*, QSize, int>> sizes = {
        {named<QLabel>("Label7"), {35, 16}, 2}, {named<QLabel>("Label8"), {45, 16}, 2},
        {named<QLabel>("Label5"), {44, 16}, 2}, {named<QLabel>("Label6"), {34, 16}, 2},
        {named<QLabel>("Label2"), {35, 16}, 3}, {named<QLabel>("Label3"), {9, 16}, 2}};
    for (const auto& [label, size, tolerance] : sizes) {
        EXPECT_NEAR(label->width(), size.width(), tolerance) << label->text().toStdString();
        EXPECT_NEAR(label->height(), size.height(), 2) << label->text().toStdString();
    }
}

// That each item runs its command is the screen-reader test's, which picks
// them by their captions.
TEST_F(Board, MenusHoldTheFourCommandsInOrderWithoutShortcuts) {
    QStringList captions;
    for (QAction* menu : form.menuBar()->actions()) {
        captions << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            captions << item->text();
            EXPECT_TRUE(item->shortcut().isEmpty());
        }
    }
    EXPECT_EQ(captions.join(u'|'), "ゲーム|新規ゲーム|終了|ヘルプ|ザムトについて|バージョン");
}

// Other buttons, played cards and the rows are the monkey test's; it never
// lets go of a card elsewhere: the pressed card gets that release.
TEST_F(Board, ACardReleasedOffItselfIsNotPlayed) {
    form.menu().start->trigger();
    QTest::mousePress(form.image(handImage(7)), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(form.image(handImage(7)), Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_EQ(form.state().CurrentRound, 1);
}

// How a card is drawn over the green is the scaled pictures' test's, next.
TEST_F(Board, DisabledCardsLookLikeEnabledOnes) {
    const QImage disabled = form.image(handImage(3))->grab().toImage();
    form.menu().start->trigger();
    EXPECT_EQ(form.image(handImage(3))->grab().toImage(), disabled);
}

// Run alone, under QT_SCALE_FACTOR 2 and 1.5: the card pictures are enlarged
// as pixel blocks, never smoothed into colours the picture does not have.
TEST_F(Board, CardPicturesStayCrispWhenScaled) {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_GT(scale, 1.0) << "set QT_SCALE_FACTOR";
    // The picture as it shows over the hand's green.
    QImage seen(form.picture(9).size(), QImage::Format_ARGB32);
    seen.fill(QColor(0, 128, 0));
    QPainter(&seen).drawPixmap(0, 0, form.picture(9));
    const QImage shown =
        form.image(handImage(9))->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), (QSizeF(seen.size()) * scale).toSize());
    EXPECT_TRUE(colours(seen).contains(colours(shown))) << "blended colours";
    if (scale == std::floor(scale)) {
        EXPECT_EQ(shown, seen.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
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
