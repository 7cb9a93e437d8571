// SPDX-License-Identifier: MIT
// Driven by handed_out_folder.sh, which has started the game from its
// unpacked folder: a match is started and the help opened, which must be the
// game's own.

#include "windows/main/Form1.h"

#include "Driving.h"

#include <gtest/gtest.h>

namespace zamut::win::testing {
namespace {

TEST(HandedOutFolder, StartsAMatchAndOpensItsOwnHelp) {
    const HWND board = waitForWindow(L"Form1");
    ASSERT_NE(board, nullptr);
    for (const WORD command : {Form1::start, Form1::zamut})
        PostMessageW(board, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    const HWND help = waitForWindow(L"ZamutHelp");
    EXPECT_TRUE(windowText(FindWindowExW(help, nullptr, L"RICHEDIT50W", nullptr))
                    .starts_with(L"ザムト ヘルプ\r"))
        << "no help, or not the game's own but the one where it was started";
    PostMessageW(help, WM_CLOSE, 0, 0);
    PostMessageW(board, WM_COMMAND, MAKEWPARAM(Form1::end, 0), 0);
    EXPECT_TRUE(waitFor([] { return windowsOf(L"ZamutHelp").empty(); }));
}

} // namespace
} // namespace zamut::win::testing
