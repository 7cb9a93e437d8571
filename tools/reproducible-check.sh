#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows program twice with ./run.sh windows, each time in a new
# clone of this repository's last commit in a folder of its own, a little
# later, in another time zone and with another umask, and compares the hashes
# of the programs and the zip: what a player downloads must not depend on
# where the build ran, or when.
set -euo pipefail
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)

work=$(mktemp -d /tmp/zamut-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
copies=("$work/one" "$work/second/copy-deeper")
build() { # folder time-zone umask
    git clone -q "$repo" "$1"
    echo "reproducible: building in $1"
    (cd "$1" && umask "$3" && TZ=$2 ./run.sh windows >"$work/build.log" 2>&1) ||
        { tail -n 20 "$work/build.log" >&2; exit 1; }
}
build "${copies[0]}" UTC0 022
build "${copies[1]}" JST-9 002

hashes() {
    (cd "$1/build/windows/dist" && sha256sum ザムト/*.exe ザムト.zip)
}
hashes "${copies[0]}" >"$work/one.sha256"
hashes "${copies[1]}" >"$work/two.sha256"
cat "$work/one.sha256"
if ! diff "$work/one.sha256" "$work/two.sha256"; then
    echo "reproducible: the two builds differ" >&2
    exit 1
fi
echo "reproducible: both builds give the same programs and zip"
