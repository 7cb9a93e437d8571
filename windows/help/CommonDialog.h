// SPDX-License-Identifier: MIT
// The help part of the common dialog component, for the Windows program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zamut::win {

// The window sets HelpFile and HelpCommand, then calls ShowHelp, which hands
// both to the help engine zamut-help.exe beside the running program.
class CommonDialog {
public:
    // Kept until the next request sets them again.
    std::wstring HelpFile;
    std::int16_t HelpCommand = 0;

    // Starts the help engine as a process of its own, without a shell, and
    // returns at once, never waiting for it. When the engine cannot start, a
    // message says so without blocking the game, and the game goes on.
    void ShowHelp();

    // The engine program; by default zamut-help.exe in the program's folder.
    std::wstring engine = defaultEngine();
    static std::wstring defaultEngine();
    // The title of the failure message.
    std::wstring title;
};

// The message shown when the help engine cannot be started.
std::wstring engineFailureText(std::wstring engine);

} // namespace zamut::win
