#!/bin/sh
# SPDX-License-Identifier: MIT
# Instruction counts of start-up up to the first painted frame: the game and
# the bare window run under callgrind on a private Xvfb, each ended (SIGTERM,
# so callgrind writes its data) when its first frame lands.
#   bench/profile_startup.sh [BUILD_DIR [OUT_DIR]]   (default: build/default, BUILD_DIR/callgrind)
set -eu
build=${1:-build/default}
out=${2:-$build/callgrind}
cmake --build "$build" --target zamut bare_window first_paint >/dev/null
mkdir -p "$out"
export LC_ALL=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
for program in zamut bare_window; do
    "$(dirname "$0")/../scripts/with-xvfb.sh" "$build/bin/first_paint" --rounds 1 --warmup 0 --timeout 600 \
        "$program=valgrind --tool=callgrind --callgrind-out-file=$out/$program.callgrind $build/bin/$program" \
        >/dev/null 2>"$out/$program.log"
    echo "$program: $(sed -n 's/^totals: //p' "$out/$program.callgrind") instructions to the first frame"
done
echo "Largest inclusive costs of the game: callgrind_annotate --inclusive=yes $out/zamut.callgrind"
