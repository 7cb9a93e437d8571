#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On a fresh machine without a display: ./run.sh installs what playing needs, builds the
# game, ends with its plain message, and installs none of the packages only tests need.
set -uo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "play set-up: $*" >&2
    exit 1
}

log=$(mktemp)
./run.sh >"$log" 2>&1
status=$?
tail -n 4 "$log"
[ "$status" -eq 1 ] || fail "./run.sh ended with status $status, not 1 (no display)"
grep -q '^The game is built: build/default/bin/zamut$' "$log" || fail "no plain message"
[ -x build/default/bin/zamut ] || fail "the game was not built"

# The lists as run.sh writes them, with the Windows ones the test list takes in.
eval "$(sed -n '/^play_packages=(/,/^)/p; /^windows_packages=(/p; /^msi_packages=(/p
    /^test_packages=(/,/^)/p' run.sh)"
installed=()
for package in "${test_packages[@]}"; do
    [[ " ${play_packages[*]} " == *" $package "* ]] && continue
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        installed+=("$package")
    fi
done
[ ${#installed[@]} -eq 0 ] || fail "installed test-only packages: ${installed[*]}"
echo "play set-up: game built, no display reported, no test-only package installed"
