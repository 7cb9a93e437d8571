// SPDX-License-Identifier: MIT
// The About window offscreen: its controls' places and every way of closing it.
#include "qt/about/frmAbout.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace zamut {
namespace {

class AboutWindow : public ::testing::Test {
protected:
    // Enter and Esc reach cmdOK only as the default button holding the focus.
    void open() {
        about.showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about, 5000));
        EXPECT_EQ(QApplication::focusWidget(), ok);
        EXPECT_TRUE(ok->isDefault());
    }

    frmAbout about{QStringLiteral("ザムト"), QPixmap(24, 34)};
    QPushButton* const ok = about.findChild<QPushButton*>("cmdOK");
};

// Enter, Esc and the mouse all end in cmdOK's Click; the close box does not.
TEST_F(AboutWindow, EveryWayOfClosingUnloadsItAndTheNextShowLoadsItAgain) {
    const struct {
        const char* way;
        std::function<void()> unload;
        int clicks;
    } unloads[] = {
        {"Enter", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, 1},
        {"Esc", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, 1},
        {"OK", [this] { QTest::mouseClick(ok, Qt::LeftButton); }, 1},
        {"close box", [this] { about.close(); }, 0},
    };
    for (const auto& [way, unload, clicks] : unloads) {
        ASSERT_NO_FATAL_FAILURE(open());
        QSignalSpy clicked(ok, &QPushButton::clicked);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("ザムトのﾊﾞｰｼﾞｮﾝ情報")) << "before " << way;
        about.setWindowTitle(QStringLiteral("not reloaded"));
        about.showModeless();
        EXPECT_EQ(about.windowTitle(), QStringLiteral("not reloaded"));
        unload();
        EXPECT_FALSE(about.isVisible()) << way;
        EXPECT_EQ(clicked.count(), clicks) << way;
    }
}

TEST_F(AboutWindow, ControlsStandInPlace) {
    // An empty box stands for a label sized to its text.
    const std::pair<const char*, QRect> places[] = {
        {"picIcon", {16, 16, 28, 38}},
        {"cmdOK", {283, 176, 92, 23}},
        {"lblDescription", {56, 104, 259, 46}},
        {"lblDisclaimer", {17, 175, 258, 55}},
        {"Label1", {152, 8, 0, 0}},
        {"Label2", {144, 40, 0, 0}},
        {"Label3", {120, 56, 0, 0}},
        {"Label4", {160, 72, 0, 0}},
    };
    for (const auto& [name, box] : places) {
        const auto* widget = about.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        const QRect expected = box.isEmpty() ? QRect(box.topLeft(), widget->sizeHint()) : box;
        EXPECT_EQ(widget->geometry(), expected) << name;
    }
}

} // namespace
} // namespace zamut
