// SPDX-License-Identifier: MIT
// A DLL planted beside the game, as a download folder may hold one: when
// anything loads it, it leaves a file named after itself in the folder that
// ZAMUT_PLANTED_MARKERS names.

#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        std::wstring path(32768, L'\0');
        path.resize(GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size())));
        std::wstring markers(MAX_PATH, L'\0');
        markers.resize(GetEnvironmentVariableW(L"ZAMUT_PLANTED_MARKERS", markers.data(),
                                               static_cast<DWORD>(markers.size())));
        const std::wstring marker = markers + path.substr(path.find_last_of(L'\\'));
        CloseHandle(
            CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
