#!/bin/sh
# SPDX-License-Identifier: MIT
# deb.sh CHANGES APP_ID: checks the Debian package that dpkg-buildpackage
# listed in CHANGES: lintian finds nothing to warn about, the version is the
# game's, the package depends on what the game loads at run time, its files
# are in place, and its help engine finds its help file.
set -eu
changes=$1 id=$2
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

lintian --display-info --fail-on error,warning "$changes" || fail "lintian"

version=$(sed -n 's/^project(zamut VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
deb="$(dirname "$changes")/zamut_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: the package's version is not the game's $version"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "ザムト開発チーム <zamut@example.org>" ] || fail "Maintainer"
depends=$(field Depends)
for needed in qt6-qpa-plugins qt6-translations-l10n "fonts-monapo | fonts-ipafont-gothic" \
              libqt6widgets6; do
    case ", $depends," in *", $needed"[\ ,]*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
"$here/desktop_files.sh" "$root/usr" "$id" games "share/games/$id"
[ -f "$root/usr/share/doc/zamut/copyright" ] || fail "no copyright file"

# The engine logs "shown FILE" once it displays a help file, then keeps its
# window open: wait for that line (at most 10 s) and close it.
log="$work/help.log"
mkdir "$work/neutral"
cd "$work/neutral"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="zamut.help.info=true" \
    "$root/usr/games/zamut-help" help.hlp 3 >"$log" 2>&1 &
engine=$!
expected="shown $root/usr/share/games/$id/help.hlp"
for _ in $(seq 100); do
    grep -qF "$expected" "$log" && break
    kill -0 "$engine" 2>/dev/null || break
    sleep 0.1
done
kill "$engine" 2>/dev/null || true
wait "$engine" 2>/dev/null || true
grep -qF "$expected" "$log" || { cat "$log"; fail "the packaged help engine did not show its file"; }
echo "package: ok"
