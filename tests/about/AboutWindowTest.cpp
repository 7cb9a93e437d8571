#include "ui/about/frmAbout.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace zamut {
namespace {

class AboutWindow : public ::testing::Test {
protected:
    // Enter and Esc reach cmdOK only as the default button holding the focus.
    void Open() {
        about.ShowModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about, 5000));
        EXPECT_EQ(QApplication::focusWidget(), ok);
        EXPECT_TRUE(ok->isDefault());
    }

    frmAbout about{QStringLiteral("ザムト"), QPixmap(24, 34)};
    QPushButton* const ok = about.findChild<QPushButton*>("cmdOK");
};

TEST_F(AboutWindow, EveryWayOfClosingUnloadsItAndTheNextShowLoadsItAgain) {
    const std::pair<const char*, std::function<void()>> unloads[] = {
        {"Enter", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"Esc", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"OK", [this] { QTest::mouseClick(ok, Qt::LeftButton); }},
        {"close box", [this] { about.close(); }},
    };
    for (const auto& [way, unload] : unloads) {
        Open();
        EXPECT_EQ(about.windowTitle(), QStringLiteral("ザムトのﾊﾞｰｼﾞｮﾝ情報")) << "before " << way;
        about.setWindowTitle(QStringLiteral("not reloaded"));
        about.ShowModeless();
        EXPECT_EQ(about.windowTitle(), QStringLiteral("not reloaded"));
        unload();
        EXPECT_FALSE(about.isVisible()) << way;
    }
}

TEST_F(AboutWindow, ClosingItAsTheLastWindowEndsTheProgram) {
    Open();
    QTimer::singleShot(0, ok, &QPushButton::click);
    QTimer::singleShot(5000, &about, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(AboutWindow, ControlsStandWhereDesigned) {
    // An empty box stands for a label sized to its text.
    const std::pair<const char*, QRect> designed[] = {
        {"picIcon", {16, 16, 28, 38}},
        {"cmdOK", {283, 176, 92, 23}},
        {"lblDescription", {56, 104, 259, 46}},
        {"lblDisclaimer", {17, 175, 258, 55}},
        {"Label1", {152, 8, 0, 0}},
        {"Label2", {144, 40, 0, 0}},
        {"Label3", {120, 56, 0, 0}},
        {"Label4", {160, 72, 0, 0}},
    };
    for (const auto& [name, box] : designed) {
        const auto* widget = about.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        const QRect expected = box.isEmpty() ? QRect(box.topLeft(), widget->sizeHint()) : box;
        EXPECT_EQ(widget->geometry(), expected) << name;
    }
}

TEST_F(AboutWindow, SeparatorIsDrawnToThePixel) {
    Open();
    const QImage image = about.grab().toImage();
    const QColor face = about.palette().color(QPalette::Button);
    for (int y = 162; y <= 166; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool grey = y == 163 && x >= 6 && x <= 376;
            const bool white = (y == 164 || y == 165) && x >= 7 && x <= 376;
            const QColor expected = grey ? QColor(128, 128, 128) : white ? QColor(Qt::white) : face;
            ASSERT_EQ(image.pixelColor(x, y), expected) << x << "," << y;
        }
    }
}

} // namespace
} // namespace zamut

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // so listing the tests needs no display either
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
