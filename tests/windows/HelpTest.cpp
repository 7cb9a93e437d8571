// SPDX-License-Identifier: MIT
// The Windows help engine, started by the board's launcher: the file shown in
// a read-only rich edit window, one window per file, and the message for a
// file that is missing.

#include "windows/help/CommonDialog.h"

#include "Driving.h"

#include <gtest/gtest.h>

namespace zamut::win::testing {
namespace {

struct Help : ::testing::Test {
    ~Help() override {
        for (const HWND w : windowsOf(L"ZamutHelp"))
            PostMessageW(w, WM_CLOSE, 0, 0);
        waitFor([] { return windowsOf(L"ZamutHelp").empty(); });
    }
    // The help window's text view once the engine shows the file.
    HWND show(const std::wstring& file) {
        dialog.HelpFile = file;
        dialog.ShowHelp();
        return FindWindowExW(waitForWindow(L"ZamutHelp"), nullptr, L"RICHEDIT50W", nullptr);
    }
    CommonDialog dialog{
        .HelpFile = {}, .HelpCommand = 3, .engine = winePath(ZAMUT_HELP_ENGINE), .title = {}};
};

TEST_F(Help, ShowsTheFileReadOnlyInOneWindowPerFile) {
    const std::wstring file = winePath(ZAMUT_HELP_FILE);
    const HWND view = show(file);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(windowText(view).starts_with(L"# ザムト ヘルプ"));
    EXPECT_TRUE(GetWindowLongPtrW(view, GWL_STYLE) & ES_READONLY);
    // A second engine for the same file raises the first window and ends.
    const Process second(dialog.engine, L"\"" + file + L"\" 3");
    EXPECT_EQ(second.exitCode(10000), 0U);
    EXPECT_EQ(windowsOf(L"ZamutHelp").size(), 1U);
}

TEST_F(Help, SaysInJapaneseWhenTheFileIsMissing) {
    const HWND view = show(L"nothere.hlp");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(windowText(view).starts_with(L"ヘルプ ファイル「nothere.hlp」が見つかりません。"));
}

} // namespace
} // namespace zamut::win::testing
