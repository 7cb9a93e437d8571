#!/usr/bin/env bash
# ./run.sh        install what is missing, configure, build and start the game
# ./run.sh test   the same set-up, then every test
# (developers: ./run.sh asan, ./run.sh screenshot [file.png])
set -euo pipefail
cd "$(dirname "$0")"

# Everything a fresh Debian 12 machine needs to build, test, package and run.
packages=(
    cmake ninja-build g++ dpkg-dev file clang-format
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-monapo fonts-ipafont-gothic
    xvfb xauth x11-utils imagemagick libxcb1-dev libxcb-damage0-dev libxkbcommon-dev
    desktop-file-utils appstream binutils-mingw-w64-x86-64 valgrind
)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

build() {
    local preset=$1
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset"
    fi
    cmake --build --preset "$preset"
}

has_display() {
    [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

install_missing
case "${1:-}" in
"")
    build default
    if ! has_display; then
        echo "ザムト needs a graphical display, and none is reachable (DISPLAY/WAYLAND_DISPLAY)."
        echo "The game is built: build/default/bin/zamut"
        echo "To run it without a desktop, use a virtual X server:  xvfb-run -a ./run.sh"
        exit 1
    fi
    exec build/default/bin/zamut
    ;;
test)
    build default
    ctest --preset default -j "$(nproc)"
    ;;
asan)
    build asan
    ctest --preset asan -j "$(nproc)"
    ;;
screenshot)
    # The board as a player first sees it, on a virtual X server.
    build default
    out=$(realpath -m "${2:-zamut.png}")
    if [ -z "${ZAMUT_IN_XVFB:-}" ]; then
        exec env ZAMUT_IN_XVFB=1 LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 800x600x24" "$0" screenshot "$out"
    fi
    build/default/bin/zamut &
    pid=$!
    for _ in $(seq 50); do
        id=$(xwininfo -root -children | awk '/"ザムト"/ { print $1; exit }')
        [ -n "$id" ] && break
        sleep 0.1
    done
    sleep 0.5
    import -window "$id" "$out"
    kill "$pid"
    echo "$out"
    ;;
*)
    echo "usage: ./run.sh [test]" >&2
    exit 2
    ;;
esac
