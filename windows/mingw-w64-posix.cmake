# SPDX-License-Identifier: MIT
# Cross-builds the Windows program on Debian with MinGW-w64. The posix thread
# model is named explicitly: the plain x86_64-w64-mingw32-g++ is the win32
# variant, whose GCC 12 library has no std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)
set(CMAKE_STRIP ${mingw_prefix}-strip)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static: the program file then imports system DLLs only, nothing of MinGW's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here run under Wine, in a private prefix the wrapper prepares.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine.sh)
