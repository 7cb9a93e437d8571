// SPDX-License-Identifier: MIT
// The About window offscreen: its controls' places and every way of closing it.
#include "qt/about/frmAbout.h"

#include "design/AboutLayout.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace zamut {
namespace {

// Enter, Esc and the mouse all end in cmdOK's Click; the close box does not.
TEST(AboutWindow, EveryWayOfClosingUnloadsItAndTheNextShowLoadsItAgain) {
    frmAbout about(QStringLiteral("ザムト"), QPixmap(24, 34));
    QPushButton* const ok = about.findChild<QPushButton*>("cmdOK");
    const struct {
        const char* way;
        std::function<void()> unload;
        int clicks;
    } unloads[] = {
        {"Enter", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, 1},
        {"Esc", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, 1},
        {"OK", [ok] { QTest::mouseClick(ok, Qt::LeftButton); }, 1},
        {"close box", [&about] { about.close(); }, 0},
    };
    for (const auto& [way, unload, clicks] : unloads) {
        // Enter and Esc reach cmdOK as the button holding the focus; that it
        // is the default one, which Enter clicks, the Enter case shows.
        about.showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about, 5000)) << way;
        EXPECT_EQ(QApplication::focusWidget(), ok) << way;
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

TEST(AboutWindow, ControlsStandWhereTheDesignPutsThem) {
    const frmAbout about(QStringLiteral("ザムト"), QPixmap(24, 34));
    // A label sized to its text stands at its point; the icon's edge holds
    // the 24 x 34 picture.
    constexpr int edge = 2 * about::IconEdge;
    const std::pair<const char*, layout::Box> places[] = {
        {"picIcon", {about::IconAt.left, about::IconAt.top, 24 + edge, 34 + edge}},
        {"cmdOK", about::OkButton},
        {"lblDescription", about::DescriptionBox},
        {"lblDisclaimer", about::DisclaimerBox},
        {"Label1", {about::Label1.left, about::Label1.top, 0, 0}},
        {"Label2", {about::Label2.left, about::Label2.top, 0, 0}},
        {"Label3", {about::Label3.left, about::Label3.top, 0, 0}},
        {"Label4", {about::Label4.left, about::Label4.top, 0, 0}},
    };
    for (const auto& [name, box] : places) {
        const auto* widget = about.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        const QRect designed(box.left, box.top, box.width, box.height);
        const QRect expected =
            designed.isEmpty() ? QRect(designed.topLeft(), widget->sizeHint()) : designed;
        EXPECT_EQ(widget->geometry(), expected) << name;
    }
}

} // namespace
} // namespace zamut
