#!/bin/sh
# SPDX-License-Identifier: MIT
# desktop_files.sh PREFIX APP_ID BINDIR DATADIR: the tree installed under
# PREFIX has the programs in BINDIR, the help file in DATADIR (both relative
# to PREFIX), a valid desktop entry and metainfo, the icons and the manual
# pages, and the entry's program and icon exist.
set -eu
root=$1 id=$2 bindir=$3 datadir=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

for file in "$bindir/zamut" "$bindir/zamut-help" "$datadir/help.hlp" \
            "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"; do
    [ -f "$root/$file" ] || fail "$file is not installed"
done
for page in zamut zamut-help; do
    ls "$root/share/man/man6/$page.6"* >/dev/null 2>&1 || fail "no manual page $page.6"
done
desktop="$root/share/applications/$id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ -x "$root/$bindir/$(key Exec)" ] || fail "Exec=$(key Exec) is not an installed program"
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon) is not $id"
[ "$(key StartupWMClass)" = zamut ] || fail "StartupWMClass=$(key StartupWMClass)"
[ "$(key Name)" = "ザムト" ] || fail "Name=$(key Name)"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not launch $id.desktop"
for size in 32 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no $size px icon"
done
echo "installed tree: ok"
