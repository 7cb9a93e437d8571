// SPDX-License-Identifier: MIT
// An exception in a window procedure never reaches the system: the standard
// error box names it, and the program ends with status 1.

#include "Driving.h"
#include "windows/widgets/Module.h"
#include "windows/widgets/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zamut::win::testing {
namespace {

constexpr char FailArgument[] = "--fail-in-a-window";

// A window whose handler fails on WM_APP.
struct FailingWindow final : Window {
    FailingWindow() {
        registerClassOnce(L"FailingWindow", nullptr);
        create(L"FailingWindow", 0, WS_OVERLAPPED, {0, 0, 100, 100}, nullptr, nullptr);
    }
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP)
            throw std::runtime_error("a handler failed");
        return Window::handleMessage(message, wParam, lParam);
    }
};

TEST(FailureGuard, ShowsTheStandardErrorBoxAndEndsWithStatusOne) {
    const Process child(programPath(), widen(FailArgument));
    const HWND box = waitForWindow(L"#32770", child.info.dwProcessId);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"ザムト");
    EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)),
              L"予期しないエラーが発生したため、終了します。\n\na handler failed");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.exitCode(10000), 1U);
}

} // namespace
} // namespace zamut::win::testing

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == zamut::win::testing::FailArgument) {
        zamut::win::setFailureTitle(L"ザムト");
        const zamut::win::testing::FailingWindow window;
        PostMessageW(window.hwnd(), WM_APP, 0, 0);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        return 0; // not reached: the failure ends the process
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
