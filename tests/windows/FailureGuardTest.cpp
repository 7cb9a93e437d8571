// SPDX-License-Identifier: MIT
// An exception in a window procedure never reaches the system: the standard
// error box names it, and the program ends with status 1.

#include "WaitFor.h"
#include "windows/widgets/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zamut::win {
namespace {

using testing::waitFor;

constexpr char FailArgument[] = "--fail-in-a-window";

// A window whose handler fails on WM_APP.
class FailingWindow final : public Window {
public:
    FailingWindow() {
        registerClassOnce(L"FailingWindow", nullptr);
        create(L"FailingWindow", 0, WS_OVERLAPPED, {0, 0, 100, 100}, nullptr, nullptr);
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            throw std::runtime_error("a handler failed");
        }
        return Window::handleMessage(message, wParam, lParam);
    }
};

int failInAWindow() {
    setFailureTitle(L"ザムト");
    FailingWindow window;
    PostMessageW(window.hwnd(), WM_APP, 0, 0);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0; // not reached: the failure ends the process
}

TEST(FailureGuard, ShowsTheStandardErrorBoxAndEndsWithStatusOne) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + widen(FailArgument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &child));
    HWND box = nullptr;
    EXPECT_TRUE(waitFor([&] { return (box = FindWindowW(L"#32770", L"ザムト")) != nullptr; }));
    wchar_t text[256] = {};
    SendMessageW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text),
              L"予期しないエラーが発生したため、終了します。\n\na handler failed");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 10000), WAIT_OBJECT_0);
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    EXPECT_EQ(status, 1U);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
}

} // namespace
} // namespace zamut::win

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == zamut::win::FailArgument) {
        return zamut::win::failInAWindow();
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
