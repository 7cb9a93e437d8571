// SPDX-License-Identifier: MIT
// Where the About window opens on a real screen, and the hints a window
// manager reads. Runs on its own Xvfb (scripts/with-xvfb.sh).
#include "qt/about/frmAbout.h"

#include "design/AboutLayout.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace zamut {
namespace {

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> own(Reply* reply) {
    return {reply, &std::free};
}

xcb_connection_t* connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char* name) {
    const auto cookie =
        xcb_intern_atom(connection(), 0, static_cast<uint16_t>(qstrlen(name)), name);
    return own(xcb_intern_atom_reply(connection(), cookie, nullptr))->atom;
}

// The 32-bit values of a window property; empty when it is not set.
QList<uint32_t> property(xcb_window_t window, xcb_atom_t property) {
    const auto reply = own(xcb_get_property_reply(
        connection(),
        xcb_get_property(connection(), 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
        nullptr));
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// With no window manager to reparent it, the window's geometry is its client
// area on the screen.
QRect screenGeometry(xcb_window_t window) {
    const auto reply =
        own(xcb_get_geometry_reply(connection(), xcb_get_geometry(connection(), window), nullptr));
    return {reply->x, reply->y, reply->width, reply->height};
}

TEST(AboutOnXServer, EveryLoadOpensAtItsPlaceUnownedAndOutOfTheTaskbar) {
    frmAbout about(QStringLiteral("ザムト"), QPixmap(24, 34));
    for (const char* load : {"first load", "load after being moved"}) {
        about.showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about, 5000));
        const auto window = static_cast<xcb_window_t>(about.winId());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return screenGeometry(window) == QRect(about::Client.left, about::Client.top,
                                                       about::Client.width, about::Client.height);
            },
            5000))
            << load;
        const QList<uint32_t> states = property(window, atom("_NET_WM_STATE"));
        EXPECT_TRUE(states.contains(atom("_NET_WM_STATE_SKIP_TASKBAR"))) << load;
        EXPECT_TRUE(property(window, XCB_ATOM_WM_TRANSIENT_FOR).isEmpty()) << load;

        about.move(400, 300);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return screenGeometry(window).topLeft() == QPoint(400, 300); }, 5000));
        about.close();
    }
}

} // namespace
} // namespace zamut
