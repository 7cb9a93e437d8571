#!/bin/sh
# desktop_files.sh ROOT APP_ID: the installed tree has the program, its help,
# a valid desktop entry and metainfo, and the entry's program and icon exist.
set -eu
root=$1 id=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

for file in bin/zamut bin/zamut-help "share/$id/help.hlp" \
            "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"; do
    [ -f "$root/$file" ] || fail "$file is not installed"
done
desktop="$root/share/applications/$id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ -x "$root/bin/$(key Exec)" ] || fail "Exec=$(key Exec) is not an installed program"
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon) is not $id"
[ "$(key StartupWMClass)" = zamut ] || fail "StartupWMClass=$(key StartupWMClass)"
[ "$(key Name)" = "ザムト" ] || fail "Name=$(key Name)"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not launch $id.desktop"
for size in 32 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no $size px icon"
done
echo "installed tree: ok"
