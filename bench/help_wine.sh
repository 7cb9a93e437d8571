#!/bin/sh
# SPDX-License-Identifier: MIT
# The costliest help files the Windows help engine accepts, each from the
# request to its text on the screen, under Wine on a private Xvfb.
#   bench/help_wine.sh [ROUNDS]      (default 10)
set -eu
cd "$(dirname "$0")/.."
cmake --build build/windows --target zamut-help help_bench_win32 >/dev/null
export LC_ALL=C.UTF-8 ZAMUT_WINE_DIR=build/windows/wine-bench-help
windows/wine.sh --prepare
trap 'windows/wine.sh --stop' EXIT
windows/wine.sh build/windows/bin/help_bench_win32.exe \
    "Z:$(pwd)/build/windows/bin/zamut-help.exe" "${1:-10}"
