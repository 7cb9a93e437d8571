// SPDX-License-Identifier: MIT
// Starting, measuring and ending the programs first_paint compares.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include <spawn.h>

namespace zamut {

[[noreturn]] void fail(const std::string& what);
[[noreturn]] void failSystem(const std::string& what, int error);

// A started child process, ended (if it still runs) and reaped on destruction.
class Child {
public:
    explicit Child(const std::vector<std::string>& argv);
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { end(); }

    pid_t pid() const { return pid_; }
    int pidfd() const { return pidfd_; }

    // SIGTERM rather than SIGKILL lets a profiler under which the program runs
    // write its data; whatever ignores it is killed after `patience`.
    void end(std::chrono::seconds patience = std::chrono::seconds(60));

private:
    pid_t pid_ = 0;
    int pidfd_ = -1;
};

// The program's resident memory now, from /proc.
long residentKilobytes(pid_t pid);

// CPU time the program's threads have run so far, from the scheduler's
// nanosecond counters (clock ticks in /proc/<pid>/stat are too coarse).
double cpuMilliseconds(pid_t pid);

} // namespace zamut
