// SPDX-License-Identifier: MIT
// The program's own file and the DLLs it loads, safe from files planted beside it.
#pragma once

#include <windows.h>

#include <string>

namespace zamut::win {

// The first call of every program: DLLs loaded after it come from the system
// folder only, never from the program's folder or the current directory,
// where a download folder may hold anything. (What the program file imports
// is loaded before this runs, so it imports only the system's known DLLs.)
void loadDllsFromSystemOnly();

// A DLL that is not one of the system's known DLLs, from the system folder
// alone; nullptr when it is not there.
HMODULE loadSystemDll(const wchar_t* name);

// The program file's full path, however long.
std::wstring programPath();

// The folder of the program file, ending in a backslash.
std::wstring programFolder();

} // namespace zamut::win
