#!/bin/sh
# SPDX-License-Identifier: MIT
# Time to the first painted frame and resident memory at that moment: the game
# against the bare reference window, interleaved on a private Xvfb.
#   bench/startup.sh [BUILD_DIR [ROUNDS]]      (default: build/default 20)
set -eu
build=${1:-build/default}
rounds=${2:-20}
cmake --build "$build" --target zamut bare_window first_paint >/dev/null
export LC_ALL=C.UTF-8
# A private runtime folder keeps Qt quiet and leaves the caller's alone.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
"$(dirname "$0")/../scripts/with-xvfb.sh" "$build/bin/first_paint" --rounds "$rounds" --warmup 3 \
    "$build/bin/zamut" "$build/bin/bare_window"
