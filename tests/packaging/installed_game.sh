#!/bin/sh
# SPDX-License-Identifier: MIT
# installed_game.sh DEB: installs the package on a fresh machine, as root, and
# checks that its manual page shows and the board window of /usr/games/zamut
# appears (title, size, pictures). CI runs it in tools/fresh-root.sh.
set -eu
deb=$(realpath "$1")
export DEBIAN_FRONTEND=noninteractive

apt-get update -q
# What the check itself uses: man, an X server and the window tools.
apt-get install -y -q --no-install-recommends "$deb" man-db xvfb x11-utils imagemagick

page=$(MANPAGER=cat MANWIDTH=80 man 6 zamut)
echo "$page" | grep -q "zamut - card game of the nine circle tiles" ||
    { echo "$page"; echo "FAIL: man 6 zamut does not show the game's page" >&2; exit 1; }
echo "man 6 zamut: ok"

LC_ALL=C.UTF-8 scripts/with-xvfb.sh -screen 1024x768x24 \
    tests/app/x11_board.sh /usr/games/zamut res/cards/1.png
