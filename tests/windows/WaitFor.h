// SPDX-License-Identifier: MIT
// Waiting in tests for what another thread or program does.
#pragma once

#include <windows.h>

#include <functional>

namespace zamut::win::testing {

// Polls the condition for up to five seconds; true once it holds.
inline bool waitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 200; ++i) {
        if (condition())
            return true;
        Sleep(25);
    }
    return false;
}

} // namespace zamut::win::testing
