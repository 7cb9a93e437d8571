#!/bin/sh
# SPDX-License-Identifier: MIT
# Time to the first painted frame of ザムト.exe under Wine against a bare Win32
# window with the same menus and one label, interleaved on a private Xvfb, and
# the program file's size stripped.
#   bench/startup_wine.sh [ROUNDS]      (default 20; needs build/default for first_paint)
set -eu
cd "$(dirname "$0")/.."
rounds=${1:-20}
cmake --build build/default --target first_paint >/dev/null
cmake --build build/windows --target zamut bare_window_win32 >/dev/null
export LC_ALL=C.UTF-8
# A prefix of its own whose windows are managed (first_paint watches those),
# on first_paint's display.
export ZAMUT_WINE_DIR=build/windows/wine-bench ZAMUT_WINE_MANAGED=Y ZAMUT_WINE_DISPLAY=-
windows/wine.sh --prepare
trap 'windows/wine.sh --stop' EXIT
scripts/with-xvfb.sh build/default/bin/first_paint --rounds "$rounds" --warmup 3 \
    "ザムト.exe=windows/wine.sh build/windows/bin/ザムト.exe" \
    "bare=windows/wine.sh build/windows/bin/bare_window_win32.exe"
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" build/windows/bin/ザムト.exe
echo "ザムト.exe stripped: $(stat -c %s "$stripped") bytes"
rm -f "$stripped"
