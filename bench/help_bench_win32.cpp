// SPDX-License-Identifier: MIT
// help_bench_win32.exe ENGINE [ROUNDS]: the costliest help files the Windows
// help engine accepts, each shown by a new engine process, timed from the
// request to the window on the screen with its text; rounds interleaved.

#include "bench/Statistics.h"
#include "windows/widgets/Window.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Shape {
    const char* name;
    std::string text;
};

std::string repeated(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Within both caps (64 KB, 1,000 lines), each at its most costly.
std::vector<Shape> shapes() {
    return {
        {"japanese-line", repeated("あ", 21000) + "\n"},
        {"thousand-lines", repeated(std::string(64, 'a') + "\n", 1000)},
        {"quotes", std::string(5000, '>') + "\n"},
        {"strong", repeated(repeated("**a** ", 10) + "\n", 1000)},
        {"list", repeated("- 項目 **太字** の説明\n", 1000)},
        {"table", "| a | b | c | d | e | f | g | h |\n|-|-|-|-|-|-|-|-|\n" +
                      repeated("| 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 |\n", 998)},
        {"headings", repeated("## 見出し\n", 1000)},
    };
}

// Milliseconds from starting the engine to its window visible with text.
double showOnce(const std::wstring& engine, const std::wstring& file) {
    std::wstring commandLine = L"\"" + engine + L"\" \"" + file + L"\" 3";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(engine.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        throw std::runtime_error("the engine does not start");
    HWND shown = nullptr;
    while (shown == nullptr) {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"ZamutHelp", nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            const HWND text = FindWindowExW(w, nullptr, L"RICHEDIT50W", nullptr);
            if (owner == process.dwProcessId && IsWindowVisible(w) && text != nullptr &&
                SendMessageW(text, WM_GETTEXTLENGTH, 0, 0) > 0)
                shown = w;
        }
        if (shown == nullptr)
            Sleep(1);
    }
    QueryPerformanceCounter(&now);
    PostMessageW(shown, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    const std::wstring engine = argv[1];
    const int rounds = argc > 2 ? _wtoi(argv[2]) : 10;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::vector<Shape> all = shapes();
    std::vector<std::wstring> files;
    for (const Shape& shape : all) {
        files.push_back(std::wstring(temp) + zamut::win::widen(shape.name) + L".hlp");
        std::ofstream(std::filesystem::path(files.back()), std::ios::binary) << shape.text;
    }
    std::vector<std::vector<double>> times(all.size());
    showOnce(engine, files.front()); // warm-up: the engine's file and DLLs cached
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < all.size(); ++i)
            times[i].push_back(showOnce(engine, files[i]));
    std::printf("%-16s %6s  %s (ms, median  min-max  IQR, %d rounds)\n", "shape", "bytes",
                "request to text on screen", rounds);
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::printf("%-16s %6zu  %s\n", all[i].name, all[i].text.size(),
                    zamut::spread(times[i], 0).c_str());
        DeleteFileW(files[i].c_str());
    }
    return 0;
}
