#!/bin/sh
# deb.sh BUILD WORK APP_ID: builds the Debian package from BUILD, unpacks it
# under WORK and checks its files, its dependencies and that the help engine
# finds its help file from there.
set -eu
build=$1 work=$2 id=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/neutral"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/zamut_1.0.0_amd64.deb"
[ -f "$deb" ] || fail "no $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zamut ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.0.0 ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "ザムト開発チーム <zamut@example.org>" ] || fail "Maintainer"
depends=$(field Depends)
for needed in qt6-qpa-plugins qt6-translations-l10n "fonts-monapo | fonts-ipafont-gothic" \
              libqt6widgets6; do
    case ", $depends," in *", $needed"[\ ,]*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done

root="$work/root"
dpkg -x "$deb" "$root"
for file in bin/zamut bin/zamut-help "share/$id/help.hlp" "share/applications/$id.desktop" \
            "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$root/usr/$file" ] || fail "the package lacks /usr/$file"
done

# The engine logs "shown FILE" once it displays a help file, then keeps its
# window open: wait for that line (at most 10 s) and close it.
log="$work/help.log"
cd "$work/neutral"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="zamut.help.info=true" \
    "$root/usr/bin/zamut-help" help.hlp 3 >"$log" 2>&1 &
engine=$!
expected="shown $root/usr/share/$id/help.hlp"
for _ in $(seq 100); do
    grep -qF "$expected" "$log" && break
    kill -0 "$engine" 2>/dev/null || break
    sleep 0.1
done
kill "$engine" 2>/dev/null || true
wait "$engine" 2>/dev/null || true
grep -qF "$expected" "$log" || { cat "$log"; fail "the packaged help engine did not show its file"; }
echo "package: ok"
