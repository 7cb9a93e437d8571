# SPDX-License-Identifier: MIT
# The fixed application information, written once here for the code (AppInfo)
# and for the Windows program's resources; the version is the project's.
# Included by design/, whose target gives design/AppInfo.h to everything that
# links it, and by the Windows program for its resources.
set(APP_TITLE "ザムト")
set(APP_EXE_NAME "ザムト")
set(APP_LOCALE 1041) # Japanese
configure_file(${CMAKE_CURRENT_LIST_DIR}/AppInfo.h.in
               ${PROJECT_BINARY_DIR}/include/design/AppInfo.h @ONLY)
