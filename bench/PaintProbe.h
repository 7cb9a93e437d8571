// SPDX-License-Identifier: MIT
// Watches an X server for a program's first complete frame (DAMAGE extension).
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zamut {

struct Sample {
    double milliseconds = 0;
    double cpuMilliseconds = 0; // all the program's threads; less disturbed by a busy machine
    double residentMegabytes = 0;
};

// Which pixels of a window have been drawn since it got its current size.
class Coverage {
public:
    // Returns true once every pixel of the window has been drawn.
    bool add(const xcb_rectangle_t& area, const xcb_rectangle_t& window);

private:
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    std::vector<bool> drawn_;
    std::size_t missing_ = 0;
};

// Starts programs on the X server `display` and times their first frame.
class Probe {
public:
    Probe(const std::string& display, bool verbose);
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    ~Probe();

    // Starts argv, waits for its first complete frame, samples and ends it.
    Sample run(const std::string& label, const std::vector<std::string>& argv,
               std::chrono::seconds timeout);

private:
    bool handle(const xcb_generic_event_t& event);
    void log(const char* what, xcb_window_t window, int width, int height) const;

    bool verbose_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, Coverage> windows_;
};

} // namespace zamut
