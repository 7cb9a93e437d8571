// SPDX-License-Identifier: MIT
// The first-frame probe: DAMAGE events of the program's top-level windows.
#include "PaintProbe.h"

#include "ChildProcess.h"

#include <xcb/damage.h>

#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zamut {

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

bool Coverage::add(const xcb_rectangle_t& area, const xcb_rectangle_t& window) {
    if (window.width != width_ || window.height != height_) {
        width_ = window.width;
        height_ = window.height;
        drawn_.assign(std::size_t{width_} * height_, false);
        missing_ = drawn_.size();
    }
    const int right = std::min(area.x + area.width, int{width_});
    const int bottom = std::min(area.y + area.height, int{height_});
    for (int y = std::max(int{area.y}, 0); y < bottom; ++y) {
        for (int x = std::max(int{area.x}, 0); x < right; ++x) {
            const std::size_t at =
                static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x);
            if (!drawn_[at]) {
                drawn_[at] = true;
                --missing_;
            }
        }
    }
    return missing_ == 0 && !drawn_.empty();
}

Probe::Probe(const std::string& display, bool verbose) : verbose_(verbose) {
    int screenNumber = 0;
    connection_ = xcb_connect(display.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        fail("cannot connect to " + display);
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        fail("the X server has no DAMAGE extension");
    }
    damageEvent_ = static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
    free(xcb_damage_query_version_reply(
        connection_,
        xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

Probe::~Probe() {
    xcb_disconnect(connection_);
}

Sample Probe::run(const std::string& label, const std::vector<std::string>& argv,
                  std::chrono::seconds timeout) {
    windows_.clear();
    const auto start = Clock::now();
    Child program(argv);
    const auto deadline = start + timeout;
    while (true) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const bool painted = handle(*event);
            free(event);
            if (painted) {
                // Read before anything else: the program keeps running.
                const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
                const long resident = residentKilobytes(program.pid());
                const double cpu = cpuMilliseconds(program.pid());
                program.end();
                return {elapsed.count(), cpu, static_cast<double>(resident) / 1024.0};
            }
        }
        if (xcb_connection_has_error(connection_) != 0) {
            fail("lost the X server");
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd waits[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0},
                           {program.pidfd(), POLLIN, 0}};
        if (left.count() <= 0 || poll(waits, 2, static_cast<int>(left.count())) == 0) {
            fail(label + " painted nothing within " + std::to_string(timeout.count()) + " s");
        }
        if ((waits[1].revents & POLLIN) != 0 && (waits[0].revents & POLLIN) == 0) {
            fail(label + " exited before its first frame");
        }
    }
}

// Returns true when the event completes the first frame.
//
// Which damage is the first frame: Qt creates its top-level windows with
// no background (back pixmap None), so mapping one draws nothing and
// reports no damage; the first damage comes from the program's own
// backing-store flush after the first Expose. That flush covers the whole
// window (menu bar and central widget together), but a toolkit may flush
// in several rectangles or draw a part early, so the frame counts as
// painted once the damage since the window's last resize covers every
// pixel. Override-redirect windows (popup menus, tooltips) are not the
// board and are never watched.
bool Probe::handle(const xcb_generic_event_t& event) {
    const auto type = static_cast<std::uint8_t>(event.response_type & 0x7f);
    if (type == XCB_CREATE_NOTIFY) {
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        log("create", created.window, created.width, created.height);
        if (created.parent == root_ && created.override_redirect == 0) {
            // Created at once: the program cannot draw before it has mapped
            // the window and received an Expose for it.
            xcb_damage_create(connection_, xcb_generate_id(connection_), created.window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(connection_);
            windows_[created.window] = Coverage();
        }
    } else if (type == XCB_DESTROY_NOTIFY) {
        windows_.erase(reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window);
    } else if (type == XCB_MAP_NOTIFY) {
        const auto& mapped = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        log("map", mapped.window, 0, 0);
    } else if (type == damageEvent_) {
        const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
        log("damage", damage.drawable, damage.area.width, damage.area.height);
        const auto window = windows_.find(damage.drawable);
        return window != windows_.end() && window->second.add(damage.area, damage.geometry);
    }
    return false;
}

void Probe::log(const char* what, xcb_window_t window, int width, int height) const {
    if (verbose_) {
        std::fprintf(stderr, "  %-7s 0x%08x %4d x %-4d\n", what, window, width, height);
    }
}

} // namespace zamut
