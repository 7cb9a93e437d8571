#include "tests/about/AboutTestSupport.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace zamut {
namespace {

using test::kCaption;
using test::kTitle;

class AboutWindow : public ::testing::Test {
protected:
    template <typename Widget = QWidget> Widget* Child(const char* name) {
        auto* widget = about.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Open() {
        about.ShowModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about, 5000));
        // Enter and Esc reach cmdOK as the default button, which holds the focus.
        auto* ok = Child<QPushButton>("cmdOK");
        EXPECT_EQ(QApplication::focusWidget(), ok);
        EXPECT_TRUE(ok->isDefault());
    }

    frmAbout about{kTitle, test::IconPicture()};
};

TEST_F(AboutWindow, EveryLoadSetsTheCaptionFromTheTitle) {
    Open();
    EXPECT_EQ(about.windowTitle(), kCaption);
    about.close();
    about.setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    Open();
    EXPECT_EQ(about.windowTitle(), kCaption);

    frmAbout other(QStringLiteral("Other"), test::IconPicture());
    other.ShowModeless();
    EXPECT_EQ(other.windowTitle(), QStringLiteral("Otherのﾊﾞｰｼﾞｮﾝ情報"));
}

TEST_F(AboutWindow, ShowingTheOpenWindowDoesNotLoadItAgain) {
    Open();
    about.setWindowTitle(QStringLiteral("not reloaded"));
    about.ShowModeless();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("not reloaded"));
    int open = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        open += window->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(open, 1);
}

enum class Unload { OkButton, Enter, Escape, CloseBox };

class UnloadingAboutWindow : public AboutWindow, public ::testing::WithParamInterface<Unload> {};

TEST_P(UnloadingAboutWindow, UnloadsAndLoadsAgainOnTheNextShow) {
    Open();
    switch (GetParam()) {
    case Unload::OkButton:
        QTest::mouseClick(Child<QPushButton>("cmdOK"), Qt::LeftButton);
        break;
    case Unload::Enter:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Unload::Escape:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        break;
    case Unload::CloseBox:
        EXPECT_TRUE(about.close());
        break;
    }
    EXPECT_FALSE(about.isVisible());

    about.setWindowTitle(QString());
    Open();
    EXPECT_EQ(about.windowTitle(), kCaption);
}

std::string UnloadName(const ::testing::TestParamInfo<Unload>& param) {
    constexpr const char* names[] = {"OkButton", "Enter", "Escape", "CloseBox"};
    return names[static_cast<int>(param.param)];
}

INSTANTIATE_TEST_SUITE_P(AllWays, UnloadingAboutWindow,
                         ::testing::Values(Unload::OkButton, Unload::Enter, Unload::Escape,
                                           Unload::CloseBox),
                         UnloadName);

TEST_F(AboutWindow, ClosingItAsTheLastWindowEndsTheProgram) {
    Open();
    QTimer::singleShot(0, Child<QPushButton>("cmdOK"), &QPushButton::click);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(AboutWindow, ControlsStandWhereDesigned) {
    EXPECT_EQ(about.size(), QSize(382, 237));
    EXPECT_EQ(Child<QFrame>("picIcon")->geometry(), QRect(16, 16, 28, 38));
    EXPECT_EQ(Child<QPushButton>("cmdOK")->geometry(), QRect(283, 176, 92, 23));

    const struct {
        const char* name;
        QPoint topLeft;
    } autoSized[] = {
        {"Label1", {152, 8}}, {"Label2", {144, 40}}, {"Label3", {120, 56}}, {"Label4", {160, 72}}};
    for (const auto& [name, topLeft] : autoSized) {
        const QLabel* label = Child<QLabel>(name);
        EXPECT_EQ(label->geometry(), QRect(topLeft, label->sizeHint())) << name;
    }
    EXPECT_EQ(Child<QLabel>("Label1")->text(), kTitle);
    EXPECT_EQ(Child<QLabel>("Label2")->text(), QStringLiteral("Version 1.0.4"));

    const struct {
        const char* name;
        QRect box;
    } wrapping[] = {{"lblDescription", {56, 104, 259, 46}}, {"lblDisclaimer", {17, 175, 258, 55}}};
    for (const auto& [name, box] : wrapping) {
        const QLabel* label = Child<QLabel>(name);
        EXPECT_EQ(label->geometry(), box) << name;
        EXPECT_LE(label->heightForWidth(box.width()), box.height()) << name << " text is cut off";
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black)) << name;
    }
    EXPECT_EQ(Child<QLabel>("lblDescription")->text(),
              QStringLiteral("ご意見、苦情等は下記アドレスまでE-mail:zamut@example.org\u3000"
                             "https://example.org/zamut/\u3000"));
}

TEST_F(AboutWindow, SeparatorAndPictureAreDrawnToThePixel) {
    Open();
    const QImage image = about.grab().toImage();
    ASSERT_EQ(image.size(), QSize(382, 237));
    const QColor face = about.palette().color(QPalette::Button);
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    EXPECT_EQ(image.pixelColor(3, 150), face);

    EXPECT_EQ(image.pixelColor(5, 163), face);
    EXPECT_EQ(image.pixelColor(377, 163), face);
    EXPECT_EQ(image.pixelColor(6, 164), face);
    for (int x = 6; x <= 376; ++x) {
        ASSERT_EQ(image.pixelColor(x, 162), face) << x;
        ASSERT_EQ(image.pixelColor(x, 163), grey) << x;
        if (x >= 7) {
            ASSERT_EQ(image.pixelColor(x, 164), white) << x;
            ASSERT_EQ(image.pixelColor(x, 165), white) << x;
        }
        ASSERT_EQ(image.pixelColor(x, 166), face) << x;
    }

    // Inside the two-pixel frame from (16, 16): the picture's transparent
    // corner shows the face, its last pixel is its own.
    EXPECT_NE(image.pixelColor(16, 16), face);
    EXPECT_EQ(image.pixelColor(18, 18), face);
    EXPECT_EQ(image.pixelColor(19, 18), QColor(220, 220, 220));
    EXPECT_EQ(image.pixelColor(41, 51), QColor(166, 0, 0));
    EXPECT_NE(image.pixelColor(43, 53), QColor(220, 220, 220));
}

} // namespace
} // namespace zamut

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS(); // listing needs no display
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
