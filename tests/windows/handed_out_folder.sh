#!/bin/bash
# SPDX-License-Identifier: MIT
# handed_out_folder.sh wine.sh ザムト.exe zamut-help.exe help.hlp planted.dll driver.exe
# The game as a player unpacks it and starts it: its folder deep in a
# downloads folder (a path of over 300 characters), DLLs planted beside the
# programs under every name either of them loads, and a stranger help.hlp in
# the folder it is started from. The driver starts a match and opens the help;
# no planted DLL may load.
set -euo pipefail
export LC_ALL=C.UTF-8
wine=$1 game=$2 engine=$3 help=$4 planted=$5 driver=$6
root=$(mktemp -d /tmp/zamut-handed-out.XXXXXX)
trap 'rm -rf "$root"' EXIT
folder=$root/ダウンロード
while [ ${#folder} -lt 300 ]; do
    folder="$folder/とても長いフォルダの名前 (1)"
done
folder=$folder/ザムト
mkdir -p "$folder" "$root/markers" "$root/start"
cp "$game" "$engine" "$help" "$folder/"
# Not among Windows' known DLLs: the game's old import, the rich edit's DLL
# and what it loads, the theme DLL the system's windows load.
names=(msimg32 msftedit riched20 usp10 uxtheme)
for name in "${names[@]}"; do
    cp "$planted" "$folder/$name.dll"
done
printf '# よそのヘルプ\n' >"$root/start/help.hlp"
export ZAMUT_PLANTED_MARKERS="Z:${root//\//\\}\\markers"
# Wine prefers its own DLLs; "native, then built-in" makes it look for these
# names as Windows does, in the program's folder first.
ZAMUT_WINE_DLLOVERRIDES="$(
    IFS=,
    echo "${names[*]}"
)=n,b"
export ZAMUT_WINE_DLLOVERRIDES

(cd "$root/start" && exec "$wine" "$folder/$(basename "$game")") &
game_pid=$!
status=0
"$wine" "$driver" || status=$?
wait "$game_pid" || status=$?
for marker in "$root"/markers/*; do
    [ -e "$marker" ] || continue
    echo "loaded: planted $(basename "$marker")"
    status=1
done
exit "$status"
