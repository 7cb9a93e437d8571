#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ./run.sh        install what playing needs, configure, build and start the game
# ./run.sh test   install what testing needs too, then build and run every test
# ./run.sh windows   cross-build the Windows program into build/windows/dist/
# ./run.sh msi       the same, and its installer build/windows/dist/ザムト-<version>.msi
# (developers: ./run.sh asan, ./run.sh deb, ./run.sh screenshot [file.png], ./run.sh wine,
#  ./run.sh screenshot-wine [file.png])
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the game needs on a fresh Debian 12 machine.
play_packages=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libxcb1-dev libxkbcommon-dev
    fonts-monapo
    xauth # so that a player on another computer can play over ssh -X
)
# What cross-building the Windows program needs.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix zip)
# What building its installer needs on top of that.
msi_packages=("${windows_packages[@]}" wixl msitools)
# Everything the tests, benchmarks and packaging need on top of that.
test_packages=(
    "${play_packages[@]}"
    dpkg-dev file clang-format
    libgtest-dev libgmock-dev libbenchmark-dev libxcb-damage0-dev
    fonts-ipafont-gothic
    xvfb x11-utils imagemagick
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream binutils-mingw-w64-x86-64 valgrind
    debootstrap
    "${msi_packages[@]}" googletest wine wine64 fonts-wine xdotool
)
# Building and checking the Debian package: these, then its Build-Depends.
deb_packages=(build-essential dpkg-dev debhelper devscripts lintian desktop-file-utils appstream)

# Runs a command as root, through sudo when needed.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        env DEBIAN_FRONTEND=noninteractive "$@"
    else
        command -v sudo >/dev/null || { echo "Need root or sudo to run: $*" >&2; exit 1; }
        sudo env DEBIAN_FRONTEND=noninteractive "$@"
    fi
}

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures once, then builds incrementally. The game alone builds without
# the test libraries; a build that is to be tested switches them on.
build() {
    local preset=$1 tests=$2
    local cache="build/$preset/CMakeCache.txt"
    if [ ! -f "$cache" ] || { [ "$tests" = ON ] && ! grep -q '^ZAMUT_TESTS:BOOL=ON' "$cache"; }; then
        cmake --preset "$preset" -DZAMUT_TESTS="$tests"
    fi
    cmake --build --preset "$preset"
}

# The Windows program as it is handed out: a folder and its zip. Built again
# from the same commit, both are the same byte for byte: dated from the
# commit (SOURCE_DATE_EPOCH when given), the programs in their header too
# (strip writes the time stamp there), and the zip's files stored in name
# order, without owners or extra times, dated in UTC.
package_windows() {
    local dist=build/windows/dist epoch
    epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
    rm -rf "$dist"
    SOURCE_DATE_EPOCH=$epoch cmake --install build/windows --strip --prefix "$dist/ザムト"
    chmod -R u=rwX,go=rX "$dist/ザムト"
    find "$dist/ザムト" -exec touch -d "@$epoch" {} +
    (cd "$dist" && find ザムト | LC_ALL=C sort | LC_ALL=C.UTF-8 TZ=UTC0 zip -qX -@ ザムト.zip)
    echo "$dist/ザムト/ and $dist/ザムト.zip"
}

has_display() {
    [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

case "${1:-}" in
"")
    install_missing "${play_packages[@]}"
    build default OFF
    if ! has_display; then
        echo "ザムト needs a graphical display, and none is reachable (DISPLAY/WAYLAND_DISPLAY)."
        echo "The game is built: build/default/bin/zamut"
        echo "Start it from a desktop session, or from another computer's desktop over SSH:"
        echo "  ssh -X $(id -un)@$(hostname) $(pwd)/run.sh"
        exit 1
    fi
    exec build/default/bin/zamut
    ;;
test)
    install_missing "${test_packages[@]}"
    build default ON
    ctest --preset default -j "$(nproc)"
    build windows ON
    ctest --preset windows -j "$(nproc)"
    ;;
asan)
    install_missing "${test_packages[@]}"
    build asan ON
    ctest --preset asan -j "$(nproc)"
    ;;
deb)
    # The Debian package, built from a copy of the source tree in build/deb/
    # (dpkg-buildpackage writes beside the tree), then checked. With
    # DEB_BUILD_OPTIONS=nocheck the tests and their Build-Depends are skipped.
    install_missing "${deb_packages[@]}"
    profiles=()
    case " ${DEB_BUILD_OPTIONS:-} " in *" nocheck "*) profiles=(-Pnocheck) ;; esac
    if ! dpkg-checkbuilddeps "${profiles[@]}" 2>/dev/null; then
        as_root apt-get update -q
        as_root apt-get build-dep -y -q --no-install-recommends "${profiles[@]}" ./
    fi
    version=$(dpkg-parsechangelog -S Version)
    rm -rf build/deb
    mkdir -p "build/deb/zamut-$version"
    tar --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "build/deb/zamut-$version"
    (cd "build/deb/zamut-$version" && dpkg-buildpackage -us -uc -b -J"$(nproc)" "${profiles[@]}")
    rm -rf "build/deb/zamut-$version"
    tests/packaging/deb.sh "build/deb/zamut_${version}_$(dpkg --print-architecture).changes" \
        org.example.zamut
    ;;
windows)
    install_missing "${windows_packages[@]}"
    build windows OFF
    package_windows
    ;;
msi)
    install_missing "${msi_packages[@]}"
    build windows OFF
    package_windows
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
    msi="build/windows/dist/ザムト-$version.msi"
    windows/installer/msi.sh build/windows/dist/ザムト "$version" "$msi"
    echo "$msi"
    ;;
wine)
    install_missing "${windows_packages[@]}" wine wine64 fonts-wine fonts-monapo
    build windows OFF
    package_windows
    has_display || { echo "ザムト needs a graphical display (DISPLAY)." >&2; exit 1; }
    # A prefix of its own, apart from the tests', on the developer's display.
    exec env ZAMUT_WINE_DIR=build/windows/wine-play ZAMUT_WINE_DISPLAY="$DISPLAY" \
        windows/wine.sh "build/windows/dist/ザムト/ザムト.exe"
    ;;
screenshot)
    # The board as a player first sees it, on a virtual X server.
    install_missing "${test_packages[@]}"
    build default ON
    out=$(realpath -m "${2:-zamut.png}")
    if [ -z "${ZAMUT_IN_XVFB:-}" ]; then
        exec env ZAMUT_IN_XVFB=1 LC_ALL=C.UTF-8 scripts/with-xvfb.sh -screen 800x600x24 "$0" screenshot "$out"
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
screenshot-wine)
    # The Windows board as a player first sees it, under Wine on a private X server.
    install_missing "${test_packages[@]}"
    build windows OFF
    package_windows
    out=$(realpath -m "${2:-zamut-wine.png}")
    export ZAMUT_WINE_DIR=build/windows/wine-shot
    windows/wine.sh "build/windows/dist/ザムト/ザムト.exe" &
    for _ in $(seq 600); do
        [ -s "$ZAMUT_WINE_DIR/display" ] && id=$(DISPLAY=":$(cat "$ZAMUT_WINE_DIR/display")" \
            xdotool search --onlyvisible --name '^ザムト$' 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    sleep 1
    DISPLAY=":$(cat "$ZAMUT_WINE_DIR/display")" import -window "$id" "$out"
    windows/wine.sh --stop
    echo "$out"
    ;;
*)
    echo "usage: ./run.sh [test|windows|msi|wine|asan|deb|screenshot [file.png]|screenshot-wine [file.png]]" >&2
    exit 2
    ;;
esac
