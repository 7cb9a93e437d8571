#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# CI: the Debian package built by ./run.sh deb on one brand-new Debian 12 root
# (its Build-Depends alone; lintian checked there), then installed on another,
# where the game must start from /usr/games. Needs root, as tools/fresh-root.sh.
# The tests are left out of the build (nocheck): CI has run the suite already.
set -euo pipefail
cd "$(dirname "$0")/../.."

out=build/fresh-package
rm -rf "$out"
mkdir -p "$out"
deb="zamut_$(dpkg-parsechangelog -S Version)_$(dpkg --print-architecture).deb"
# Each root vanishes with its command, so the package leaves it on standard
# output and the build's own messages go to standard error.
tools/fresh-root.sh sh -c \
    'env DEB_BUILD_OPTIONS=nocheck ./run.sh deb >&2 && cat "build/deb/$1"' sh "$deb" >"$out/$deb"
tools/fresh-root.sh --copy "$out/$deb" tests/packaging/installed_game.sh "$deb"
ls -l "$out/$deb"
