// SPDX-License-Identifier: MIT
// Safe DLL loading and the program's own path.

#include "windows/widgets/Module.h"

#include "windows/widgets/Window.h"

#include <stdexcept>

namespace zamut::win {

void loadDllsFromSystemOnly() {
    if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        reportFatalErrorAndExit("SetDefaultDllDirectories failed");
    }
}

HMODULE loadSystemDll(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

std::wstring programPath() {
    // The system cuts the path to the buffer without saying so, but for a
    // length that fills it: grow until the path fits with room to spare.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            throw std::runtime_error("GetModuleFileNameW failed");
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring programFolder() {
    const std::wstring path = programPath();
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

} // namespace zamut::win
