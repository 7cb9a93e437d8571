#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private Xvfb, the one way the tests, benchmarks and
# screenshots get an X server. Xvfb picks a free display itself and reports it
# once it accepts connections (-displayfd), so parallel runs never collide
# and nothing waits blindly. The server ends with the command.
# usage: with-xvfb.sh [-screen WIDTHxHEIGHTxDEPTH] COMMAND ARGS...
set -euo pipefail
screen=1280x1024x24
if [ "${1:-}" = -screen ]; then
    screen=$2
    shift 2
fi
work=$(mktemp -d)
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/log" &
server=$!
if ! read -r -t 20 number <"$work/display"; then
    echo "with-xvfb.sh: Xvfb reported no display within 20 s" >&2
    cat "$work/log" >&2
    exit 1
fi
status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
