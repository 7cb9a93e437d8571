// SPDX-License-Identifier: MIT
// Starts programs on the X server of $DISPLAY (a private one from
// scripts/with-xvfb.sh) and measures, for each run, the time from
// process start to the first painted frame of its top-level window, and the
// program's resident memory at that moment. The X server tells us when the
// frame lands (DAMAGE extension), so nothing sleeps or takes screenshots.
//
//   with-xvfb.sh first_paint [--rounds N] [--warmup N] [--timeout SECONDS] [--verbose] COMMAND...
//
// Each COMMAND is one argument, "[LABEL=]PROGRAM ARGS...", split on spaces.
// The commands run interleaved (A B A B ...), round after round; with more
// than one, each is also compared with the last one per round.

#include "PaintProbe.h"
#include "Statistics.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zamut {

namespace {

struct Command {
    std::string label;
    std::vector<std::string> argv;
};

struct Options {
    int rounds = 10;
    int warmup = 2;
    int timeoutSeconds = 30;
    bool verbose = false;
    std::vector<Command> commands;
};

void report(const Options& options, const std::vector<std::vector<Sample>>& samples) {
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
                    spread(times, 1).c_str());
        std::printf("%-14s %-8s %s\n", "", "CPU ms", spread(cpu, 1).c_str());
        std::printf("%-14s %-8s %s\n", "", "RSS MB", spread(memory, 1).c_str());
    }
    const std::size_t reference = options.commands.size() - 1;
    for (std::size_t c = 0; c < reference; ++c) {
        const auto ratio = [&](double Sample::*measure) {
            std::vector<double> ratios;
            for (std::size_t r = 0; r < samples[c].size(); ++r) {
                ratios.push_back(samples[c][r].*measure / samples[reference][r].*measure);
            }
            return median(ratios);
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
Command parseCommand(const std::string& text) {
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

Options parseOptions(int argc, char** argv) {
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
            options.commands.push_back(parseCommand(arg));
        }
    }
    if (options.commands.empty() || options.rounds < 1 || options.warmup < 0) {
        throw std::invalid_argument("usage: first_paint [--rounds N] [--warmup N] "
                                    "[--timeout SECONDS] [--verbose] COMMAND...");
    }
    return options;
}

int runFirstPaint(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr) {
        throw std::invalid_argument("no DISPLAY: run under scripts/with-xvfb.sh");
    }
    // The programs draw on that server, whatever platform the caller's session uses.
    unsetenv("QT_QPA_PLATFORM");
    Probe probe(display, options.verbose);
    const std::chrono::seconds timeout(options.timeoutSeconds);

    std::printf("X server %s: %d warm-up and %d measured round(s), interleaved\n", display,
                options.warmup, options.rounds);
    std::fflush(stdout);
    std::vector<std::vector<Sample>> samples(options.commands.size());
    for (int round = -options.warmup; round < options.rounds; ++round) {
        for (std::size_t c = 0; c < options.commands.size(); ++c) {
            const Sample sample =
                probe.run(options.commands[c].label, options.commands[c].argv, timeout);
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
    report(options, samples);
    return 0;
}

} // namespace

} // namespace zamut

int main(int argc, char** argv) {
    try {
        return zamut::runFirstPaint(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "first_paint: %s\n", error.what());
        return 1;
    }
}
