// SPDX-License-Identifier: MIT
// The Windows help engine, started by the board's launcher: the file shown in
// a read-only rich edit window, one window per file, and the message for a
// file that is missing.

#include "windows/help/CommonDialog.h"
#include "windows/widgets/Window.h"

#include "WaitFor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zamut::win {
namespace {

using testing::waitFor;

std::wstring unix(const char* path) {
    return widen(std::string("Z:") + path);
}

std::vector<HWND> helpWindows() {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"ZamutHelp", nullptr)) != nullptr;)
        if (IsWindowVisible(w))
            found.push_back(w);
    return found;
}

std::wstring shownText(HWND help) {
    const HWND view = FindWindowExW(help, nullptr, L"RICHEDIT50W", nullptr);
    std::wstring text(4096, L'\0');
    // GetWindowTextW does not ask another program's controls for their text.
    text.resize(static_cast<std::size_t>(
        SendMessageW(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

struct Help : ::testing::Test {
    Help() {
        dialog.engine = unix(ZAMUT_HELP_ENGINE);
        dialog.HelpCommand = 3;
    }
    ~Help() override {
        for (const HWND w : helpWindows())
            PostMessageW(w, WM_CLOSE, 0, 0);
        waitFor([] { return helpWindows().empty(); });
    }
    HWND show(const std::wstring& file) {
        dialog.HelpFile = file;
        dialog.ShowHelp();
        HWND shown = nullptr;
        waitFor([&] {
            const auto windows = helpWindows();
            shown = windows.empty() ? nullptr : windows.front();
            return shown != nullptr;
        });
        return shown;
    }
    CommonDialog dialog;
};

TEST_F(Help, ShowsTheFileReadOnlyInOneWindowPerFile) {
    const std::wstring file = unix(ZAMUT_HELP_FILE);
    const HWND help = show(file);
    ASSERT_NE(help, nullptr);
    const std::wstring heading = L"# ザムト ヘルプ";
    EXPECT_EQ(shownText(help).substr(0, heading.size()), heading);
    const HWND view = FindWindowExW(help, nullptr, L"RICHEDIT50W", nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(view, GWL_STYLE) & ES_READONLY);
    // A second engine for the same file raises the first window and ends.
    std::wstring commandLine = L"zamut-help \"" + file + L"\" 3";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    ASSERT_TRUE(CreateProcessW(dialog.engine.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                               0, nullptr, nullptr, &startup, &second));
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    EXPECT_EQ(helpWindows().size(), 1U);
}

TEST_F(Help, SaysInJapaneseWhenTheFileIsMissing) {
    const HWND help = show(L"nothere.hlp");
    ASSERT_NE(help, nullptr);
    const std::wstring message = L"ヘルプ ファイル「nothere.hlp」が見つかりません。";
    EXPECT_EQ(shownText(help).substr(0, message.size()), message);
}

} // namespace
} // namespace zamut::win
