// SPDX-License-Identifier: MIT
// Child processes through posix_spawn and pidfd, and what /proc says of them.
#include "ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace zamut {

void fail(const std::string& what) {
    throw std::runtime_error(what);
}

void failSystem(const std::string& what, int error) {
    fail(what + ": " + std::strerror(error));
}

Child::Child(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const int error = posix_spawnp(&pid_, args[0], nullptr, nullptr, args.data(), environ);
    if (error != 0) {
        failSystem("cannot start " + argv[0], error);
    }
    // glibc 2.36 declares pidfd_open without C linkage.
    pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (pidfd_ < 0) {
        failSystem("pidfd_open", errno);
    }
}

void Child::end(std::chrono::seconds patience) {
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

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

double cpuMilliseconds(pid_t pid) {
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

} // namespace zamut
