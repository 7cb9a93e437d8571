// Starts programs on a private Xvfb and measures, for each run, the time from
// process start to the first painted frame of its top-level window, and the
// program's resident memory at that moment. The X server tells us when the
// frame lands (DAMAGE extension), so nothing sleeps or takes screenshots.
//
//   first_paint [--rounds N] [--warmup N] [--timeout SECONDS] [--verbose] COMMAND...
//
// Each COMMAND is one argument, "[LABEL=]PROGRAM ARGS...", split on spaces.
// The commands run interleaved (A B A B ...), round after round; with more
// than one, each is also compared with the last one per round.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace zamut {

namespace {

using Clock = std::chrono::steady_clock;

struct Command {
    std::string label;
    std::vector<std::string> argv;
};

struct Sample {
    double milliseconds = 0;
    double cpuMilliseconds = 0; // all the program's threads; less disturbed by a busy machine
    double residentMegabytes = 0;
};

struct Options {
    int rounds = 10;
    int warmup = 2;
    int timeoutSeconds = 30;
    bool verbose = false;
    std::vector<Command> commands;
};

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

[[noreturn]] void FailSystem(const std::string& what, int error = errno) {
    Fail(what + ": " + std::strerror(error));
}

// A started child process, ended (if it still runs) and reaped on destruction.
class Child {
public:
    Child(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* actions) {
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        const int error = posix_spawnp(&pid_, args[0], actions, nullptr, args.data(), environ);
        if (error != 0) {
            FailSystem("cannot start " + argv[0], error);
        }
        // glibc 2.36 declares pidfd_open without C linkage.
        pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
        if (pidfd_ < 0) {
            FailSystem("pidfd_open");
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { End(); }

    pid_t pid() const { return pid_; }
    int pidfd() const { return pidfd_; }

    // SIGTERM rather than SIGKILL lets a profiler under which the program runs
    // write its data; whatever ignores it is killed after `patience`.
    void End(std::chrono::seconds patience = std::chrono::seconds(60)) {
        if (pidfd_ < 0) {
            return;
        }
        kill(pid_, SIGTERM);
        pollfd exited{pidfd_, POLLIN, 0};
        if (poll(&exited, 1, static_cast<int>(patience.count() * 1000)) <= 0) {
            kill(pid_, SIGKILL);
        }
        waitpid(pid_, nullptr, 0);
        close(pidfd_);
        pidfd_ = -1;
    }

private:
    pid_t pid_ = 0;
    int pidfd_ = -1;
};

// Xvfb on the first free display; -displayfd makes it write the display
// number to our pipe once it accepts connections, so nothing collides or waits
// blindly.
class PrivateXServer {
public:
    PrivateXServer() {
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
            FailSystem("pipe");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 3); // dup2 clears CLOEXEC
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        server_ = std::make_unique<Child>(std::vector<std::string>{"Xvfb", "-displayfd", "3",
                                                                   "-screen", "0", "1280x1024x24",
                                                                   "-nolisten", "tcp"},
                                          &actions);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);

        std::string number;
        pollfd ready{pipeEnds[0], POLLIN, 0};
        char c = 0;
        while (poll(&ready, 1, 10000) > 0 && read(pipeEnds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(pipeEnds[0]);
        if (number.empty()) {
            Fail("Xvfb did not report a display");
        }
        display_ = ":" + number;
    }

    const std::string& display() const { return display_; }

private:
    std::unique_ptr<Child> server_;
    std::string display_;
};

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

// CPU time the program's threads have run so far, from the scheduler's
// nanosecond counters (clock ticks in /proc/<pid>/stat are too coarse).
double CpuMilliseconds(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    double nanoseconds = 0;
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator(tasks, ignored)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double runtime = 0;
        if (schedstat >> runtime) {
            nanoseconds += runtime;
        }
    }
    return nanoseconds / 1e6;
}

// Which pixels of a window have been drawn since it got its current size.
class Coverage {
public:
    // Returns true once every pixel of the window has been drawn.
    bool Add(const xcb_rectangle_t& area, const xcb_rectangle_t& window) {
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

private:
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    std::vector<bool> drawn_;
    std::size_t missing_ = 0;
};

class Probe {
public:
    Probe(const std::string& display, bool verbose) : verbose_(verbose) {
        int screenNumber = 0;
        connection_ = xcb_connect(display.c_str(), &screenNumber);
        if (xcb_connection_has_error(connection_) != 0) {
            Fail("cannot connect to " + display);
        }
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            Fail("the X server has no DAMAGE extension");
        }
        damageEvent_ = static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_,
                                                                     XCB_DAMAGE_MAJOR_VERSION,
                                                                     XCB_DAMAGE_MINOR_VERSION),
                                            nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    ~Probe() { xcb_disconnect(connection_); }

    Sample Run(const Command& command, std::chrono::seconds timeout) {
        windows_.clear();
        const auto start = Clock::now();
        Child program(command.argv, nullptr);
        const auto deadline = start + timeout;
        while (true) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool painted = Handle(*event);
                free(event);
                if (painted) {
                    // Read before anything else: the program keeps running.
                    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
                    const long resident = ResidentKilobytes(program.pid());
                    const double cpu = CpuMilliseconds(program.pid());
                    program.End();
                    return {elapsed.count(), cpu, static_cast<double>(resident) / 1024.0};
                }
            }
            if (xcb_connection_has_error(connection_) != 0) {
                Fail("lost the X server");
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd waits[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0},
                               {program.pidfd(), POLLIN, 0}};
            if (left.count() <= 0 || poll(waits, 2, static_cast<int>(left.count())) == 0) {
                Fail(command.label + " painted nothing within " + std::to_string(timeout.count()) +
                     " s");
            }
            if ((waits[1].revents & POLLIN) != 0 && (waits[0].revents & POLLIN) == 0) {
                Fail(command.label + " exited before its first frame");
            }
        }
    }

private:
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
    bool Handle(const xcb_generic_event_t& event) {
        const auto type = static_cast<std::uint8_t>(event.response_type & 0x7f);
        if (type == XCB_CREATE_NOTIFY) {
            const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
            Log("create", created.window, created.width, created.height);
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
            Log("map", mapped.window, 0, 0);
        } else if (type == damageEvent_) {
            const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
            Log("damage", damage.drawable, damage.area.width, damage.area.height);
            const auto window = windows_.find(damage.drawable);
            return window != windows_.end() && window->second.Add(damage.area, damage.geometry);
        }
        return false;
    }

    void Log(const char* what, xcb_window_t window, int width, int height) const {
        if (verbose_) {
            std::fprintf(stderr, "  %-7s 0x%08x %4d x %-4d\n", what, window, width, height);
        }
    }

    bool verbose_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, Coverage> windows_;
};

// Linear-interpolated quantile of sorted values.
double Quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

std::string Spread(std::vector<double> values, int decimals) {
    std::sort(values.begin(), values.end());
    char text[160];
    std::snprintf(text, sizeof text, "%8.*f  %8.*f–%-8.*f %8.*f–%-8.*f", decimals,
                  Quantile(values, 0.5), decimals, values.front(), decimals, values.back(),
                  decimals, Quantile(values, 0.25), decimals, Quantile(values, 0.75));
    return text;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return Quantile(values, 0.5);
}

void Report(const Options& options, const std::vector<std::vector<Sample>>& samples) {
    std::printf("\n%-14s %-8s %8s  %-17s %-17s\n", "program", "measure", "median", "min–max",
                "IQR");
    for (std::size_t c = 0; c < options.commands.size(); ++c) {
        std::vector<double> times;
        std::vector<double> cpu;
        std::vector<double> memory;
        for (const Sample& sample : samples[c]) {
            times.push_back(sample.milliseconds);
            cpu.push_back(sample.cpuMilliseconds);
            memory.push_back(sample.residentMegabytes);
        }
        std::printf("%-14s %-8s %s\n", options.commands[c].label.c_str(), "paint ms",
                    Spread(times, 1).c_str());
        std::printf("%-14s %-8s %s\n", "", "CPU ms", Spread(cpu, 1).c_str());
        std::printf("%-14s %-8s %s\n", "", "RSS MB", Spread(memory, 1).c_str());
    }
    const std::size_t reference = options.commands.size() - 1;
    for (std::size_t c = 0; c < reference; ++c) {
        const auto ratio = [&](double Sample::*measure) {
            std::vector<double> ratios;
            for (std::size_t r = 0; r < samples[c].size(); ++r) {
                ratios.push_back(samples[c][r].*measure / samples[reference][r].*measure);
            }
            return Median(ratios);
        };
        std::printf("\n%s / %s, median of %zu per-round ratios: time %.3f, CPU %.3f, memory "
                    "%.3f\n",
                    options.commands[c].label.c_str(), options.commands[reference].label.c_str(),
                    samples[c].size(), ratio(&Sample::milliseconds),
                    ratio(&Sample::cpuMilliseconds), ratio(&Sample::residentMegabytes));
    }
}

// "[LABEL=]PROGRAM ARGS...": the label names the program in the report and
// defaults to the program's file name.
Command ParseCommand(const std::string& text) {
    Command command;
    const std::size_t equals = text.find('=');
    const bool labelled = equals != std::string::npos && equals < text.find_first_of(" /");
    std::istringstream words(labelled ? text.substr(equals + 1) : text);
    for (std::string word; words >> word;) {
        command.argv.push_back(word);
    }
    if (command.argv.empty()) {
        throw std::invalid_argument("empty command: " + text);
    }
    const std::string& program = command.argv.front();
    command.label =
        labelled ? text.substr(0, equals) : program.substr(program.find_last_of('/') + 1);
    return command;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto number = [&] {
            if (i + 1 >= argc) {
                throw std::invalid_argument(arg + " needs a number");
            }
            return std::stoi(argv[++i]);
        };
        if (arg == "--rounds") {
            options.rounds = number();
        } else if (arg == "--warmup") {
            options.warmup = number();
        } else if (arg == "--timeout") {
            options.timeoutSeconds = number();
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else {
            options.commands.push_back(ParseCommand(arg));
        }
    }
    if (options.commands.empty() || options.rounds < 1 || options.warmup < 0) {
        throw std::invalid_argument("usage: first_paint [--rounds N] [--warmup N] "
                                    "[--timeout SECONDS] [--verbose] COMMAND...");
    }
    return options;
}

int Main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    const PrivateXServer server;
    // The programs draw on our server, whatever the caller's session uses.
    setenv("DISPLAY", server.display().c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    Probe probe(server.display(), options.verbose);
    const std::chrono::seconds timeout(options.timeoutSeconds);

    std::printf("Xvfb %s: %d warm-up and %d measured round(s), interleaved\n",
                server.display().c_str(), options.warmup, options.rounds);
    std::fflush(stdout);
    std::vector<std::vector<Sample>> samples(options.commands.size());
    for (int round = -options.warmup; round < options.rounds; ++round) {
        for (std::size_t c = 0; c < options.commands.size(); ++c) {
            const Sample sample = probe.Run(options.commands[c], timeout);
            if (options.verbose) {
                std::fprintf(stderr, "%s round %d: %.1f ms, %.1f MB\n",
                             options.commands[c].label.c_str(), round, sample.milliseconds,
                             sample.residentMegabytes);
            }
            if (round >= 0) {
                samples[c].push_back(sample);
            }
        }
    }
    Report(options, samples);
    return 0;
}

} // namespace

} // namespace zamut

int main(int argc, char** argv) {
    try {
        return zamut::Main(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "first_paint: %s\n", error.what());
        return 1;
    }
}
