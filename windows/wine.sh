#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program of this build under Wine, in a private prefix that it
# prepares once, on a private X server unless ZAMUT_WINE_DISPLAY names one.
#   wine.sh program.exe [arguments]   (the build's cross-compiling emulator)
#   wine.sh --prepare                  only makes the prefix, if it is not there
#   wine.sh --stop                     ends the Wine server and the X server
# ZAMUT_WINE_DIR: where the prefix lives (default build/windows/wine).
# ZAMUT_WINE_DISPLAY: an X display to use instead, "-" for the caller's DISPLAY.
# ZAMUT_WINE_DPI: the prefix's dots per inch (LogPixels), 96 unless given.
# ZAMUT_WINE_DLLOVERRIDES: more DLL overrides for the program (name=n,b...).
# ZAMUT_WINE_MANAGED: Y for windows managed like a desktop's (the start-up
# benchmark watches those); by default N, which spares tests waits of 2 s.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=${ZAMUT_WINE_DIR:-$here/../build/windows/wine}
dpi=${ZAMUT_WINE_DPI:-96}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

export WINEPREFIX=$dir/prefix WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko; a crash ends with status 5 instead of an automatic debugger
# that sometimes lets it exit 0.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winedbg.exe=d${ZAMUT_WINE_DLLOVERRIDES:+;$ZAMUT_WINE_DLLOVERRIDES}"
# A program file with a Japanese name opens only in a UTF-8 locale that exists.
export LC_ALL=C.UTF-8

# Wine's output goes to a file, never a pipe (see start_session); a failing
# step shows its end.
quietly() {
    local status=0
    "$@" </dev/null >"$dir/step.log" 2>&1 9>&- || status=$?
    if [ "$status" -ne 0 ] && [ "${expected_status:-0}" -ne "$status" ]; then
        echo "wine.sh: $* failed ($status):" >&2
        tail -n 20 "$dir/step.log" >&2
    fi
    return "$status"
}

# The Japanese font the game's face name "ＭＳ Ｐゴシック" stands for here: Monapo
# has its widths, IPAPGothic comes next.
japanese_font() {
    local family
    for family in Monapo IPAPGothic; do
        fc-list -q "$family" && { echo "$family"; return; }
    done
    echo "Droid Sans Fallback"
}

# Fonts are installed before the prefix exists: Wine keeps the faces it
# recorded when the prefix was made.
create_prefix() {
    rm -rf "$WINEPREFIX" "$dir/ready"
    quietly wine wineboot -i || return
    local font substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    font=$(japanese_font)
    # Menus and dialogs use "MS Shell Dlg", whose Tahoma has no Japanese.
    for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS Shell Dlg" "MS Shell Dlg 2"; do
        quietly wine reg add "$substitutes" /v "$face" /d "$font" /f || return
    done
    # Without a window manager each hide or destroy of a managed window waits
    # two seconds; unmanaged windows get their frame drawn by Wine itself.
    quietly wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "${ZAMUT_WINE_MANAGED:-N}" /f ||
        return
    quietly wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f || return
    quietly wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f || return
    # The title bar's buttons are drawn with Marlett.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return
    quietly wineserver -w || return
    touch "$dir/ready"
}

# Making a prefix fails now and then on a busy machine (a service that starts
# too slowly): once more from scratch before giving up.
prepare_prefix() {
    [ -f "$dir/ready" ] && return
    create_prefix && return
    echo "wine.sh: making the prefix again" >&2
    wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
    create_prefix || { echo "wine.sh: no Wine prefix" >&2; exit 1; }
}

# A private X server, so tests neither need a display nor disturb one.
start_x_server() {
    if [ -f "$dir/xvfb.pid" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; then
        return
    fi
    rm -f "$dir/display"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$dir/display" </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 600); do # 30 s, for a busy machine
        [ -s "$dir/display" ] && return
        sleep 0.05
    done
    echo "wine.sh: Xvfb did not start" >&2
    exit 1
}

# Wine's first process starts services and devices that inherit its standard
# output: started here on /dev/null they never hold a caller's pipe open. The
# server stays 30 s after its last program; while it runs (status 2) the
# services run too.
start_session() {
    prepare_prefix
    if [ -n "${ZAMUT_WINE_DISPLAY:-}" ]; then
        [ "$ZAMUT_WINE_DISPLAY" = - ] || export DISPLAY=$ZAMUT_WINE_DISPLAY
    else
        start_x_server
        export DISPLAY=":$(cat "$dir/display")"
    fi
    local status=0
    expected_status=2 quietly wineserver -p30 || status=$?
    if [ "$status" -eq 0 ]; then
        # Like making a prefix, starting its services fails now and then on a
        # busy machine (wineboot exits 1, saying nothing): once more.
        quietly wine wineboot || quietly wine wineboot || exit 1
    elif [ "$status" -ne 2 ]; then
        exit 1
    fi
}

stop_session() {
    wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid" "$dir/display"
    fi
}

if [ "${1:-}" = --prepare ]; then
    (flock 9 && prepare_prefix) 9>"$dir/lock"
    exit 0
fi
if [ "${1:-}" = --stop ]; then
    (flock 9 && stop_session) 9>"$dir/lock"
    exit 0
fi
[ $# -ge 1 ] || { echo "usage: wine.sh program.exe [arguments] | --stop" >&2; exit 2; }
(flock 9 && start_session) 9>"$dir/lock"
if [ -z "${ZAMUT_WINE_DISPLAY:-}" ]; then
    export DISPLAY=":$(cat "$dir/display")"
fi
# Wine's own failures (a DLL it cannot load, a crash before main) end a
# program silently under WINEDEBUG=-all: its status at least tells them apart
# from a program that reports failure itself (status 1).
status=0
wine "$@" || status=$?
if [ "$status" -gt 1 ]; then
    echo "wine.sh: $1 ended with status $status" >&2
fi
exit "$status"
