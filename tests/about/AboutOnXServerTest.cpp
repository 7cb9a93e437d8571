// The About window on a real X server: where it opens on the screen, and the
// hints a window manager reads. Starts its own Xvfb, which picks a free
// display itself, so parallel test runs never collide.
#include "tests/about/AboutTestSupport.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace zamut {
namespace {

constexpr int kWaitMs = 5000;

xcb_connection_t* Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            Connection(),
            xcb_intern_atom(Connection(), 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window property; empty when it is not set.
std::vector<uint32_t> Property(xcb_window_t window, const char* name) {
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            Connection(),
            xcb_get_property(Connection(), 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
            nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The window's client area on the screen, as the X server has it.
QRect ScreenGeometry(xcb_window_t window) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
    const ReplyPtr<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(
            Connection(), xcb_translate_coordinates(Connection(), window, root, 0, 0), nullptr),
        &std::free);
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), window), nullptr),
        &std::free);
    if (!origin || !geometry) {
        return {};
    }
    return {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

class AboutOnXServer : public ::testing::Test {
protected:
    void Open() {
        about.ShowModeless();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about, kWaitMs));
    }

    // Placed, unowned and kept out of the taskbar, every time it is loaded.
    void ExpectPlacedAndOutOfTheTaskbar() {
        const auto window = static_cast<xcb_window_t>(about.winId());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return ScreenGeometry(window) == frmAbout::kClientGeometry; }, kWaitMs))
            << "client area at " << ScreenGeometry(window).x() << "," << ScreenGeometry(window).y();
        const std::vector<uint32_t> states = Property(window, "_NET_WM_STATE");
        EXPECT_NE(std::find(states.begin(), states.end(), Atom("_NET_WM_STATE_SKIP_TASKBAR")),
                  states.end());
        EXPECT_TRUE(Property(window, "WM_TRANSIENT_FOR").empty());
    }

    frmAbout about{test::kTitle, test::IconPicture()};
};

TEST_F(AboutOnXServer, OpensAtItsPlaceUnownedAndOutOfTheTaskbar) {
    Open();
    ExpectPlacedAndOutOfTheTaskbar();
}

TEST_F(AboutOnXServer, ReopensAtItsPlaceAfterBeingMoved) {
    Open();
    about.move(400, 300);
    const auto window = static_cast<xcb_window_t>(about.winId());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ScreenGeometry(window).topLeft() == QPoint(400, 300); }, kWaitMs));
    about.close();
    Open();
    ExpectPlacedAndOutOfTheTaskbar();
}

// Xvfb on a display it chooses, reported through a pipe (-displayfd).
class PrivateXServer {
public:
    bool Start() {
        int report[2];
        if (pipe(report) != 0) {
            return false;
        }
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlive a crashed test
            close(report[0]);
            const std::string fd = std::to_string(report[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(report[1]);
        std::string display;
        pollfd wait{report[0], POLLIN, 0};
        char c = 0;
        while (pid_ > 0 && poll(&wait, 1, 10000) == 1 && read(report[0], &c, 1) == 1 && c != '\n') {
            display += c;
        }
        close(report[0]);
        if (display.empty()) {
            return false;
        }
        setenv("DISPLAY", (":" + display).c_str(), 1);
        return true;
    }

    ~PrivateXServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

private:
    pid_t pid_ = -1;
};

} // namespace
} // namespace zamut

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS(); // listing needs no display
    }
    zamut::PrivateXServer server;
    if (!server.Start()) {
        std::fprintf(stderr, "Xvfb reported no display within 10 s\n");
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
