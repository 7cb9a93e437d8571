#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one command in a brand-new minimal Debian 12 root, as a new player's or CI's machine.
#
#   tools/fresh-root.sh [--copy FILE]... [--] COMMAND [ARG]...
#
# The root is debootstrap's minbase variant (cached as a tarball, so only the first run
# bootstraps), unpacked anew for every call. COMMAND runs there as root in a clean clone of
# this repository's HEAD (/root/zamut, each --copy FILE placed beside it), with a bare
# environment and no standard input. The exit status is COMMAND's. Needs root.
set -euo pipefail

usage() {
    echo "usage: tools/fresh-root.sh [--copy FILE]... [--] COMMAND [ARG]..." >&2
    exit 2
}

copies=()
while [ $# -gt 0 ]; do
    case $1 in
    --copy) [ $# -ge 2 ] || usage; copies+=("$(realpath "$2")"); shift 2 ;;
    --) shift; break ;;
    -*) usage ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || usage
[ "$(id -u)" -eq 0 ] || { echo "tools/fresh-root.sh needs root (debootstrap, chroot)" >&2; exit 2; }

repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
cache=${ZAMUT_FRESH_ROOT_CACHE:-/tmp/zamut-fresh-root}
base=$cache/bookworm-minbase.tar
# Downloaded packages are kept between runs: a cache of files, not of anything installed.
archives=$cache/archives
mkdir -p "$archives/partial"

# The mirror this machine's apt already uses; the repository names none.
mirror() {
    local uri
    uri=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
    [ -n "$uri" ] || uri=$(awk '$1 == "deb" && $0 ~ / bookworm / { print $2; exit }' /etc/apt/sources.list 2>/dev/null || true)
    [ -n "$uri" ] || { echo "no Debian mirror found in /etc/apt" >&2; exit 1; }
    echo "$uri"
}

if [ ! -f "$base" ]; then
    staging=$(mktemp -d "$cache/bootstrap.XXXXXX")
    echo "fresh-root: bootstrapping a minimal Debian 12 root (cached in $base)"
    debootstrap --variant=minbase bookworm "$staging/root" "$(mirror)" >"$staging/log" 2>&1 ||
        { tail -20 "$staging/log" >&2; rm -rf "$staging"; exit 1; }
    rm -rf "$staging/root/var/cache/apt/archives/"*.deb
    tar -C "$staging/root" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$staging"
fi

work=$(mktemp -d /tmp/zamut-root.XXXXXX)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir "$root"
tar -C "$root" -xf "$base"
# The same package sources as this machine (and so the same mirror), and its name service.
rm -f "$root/etc/apt/sources.list"
cp -a /etc/apt/sources.list.d/*.sources "$root/etc/apt/sources.list.d/" 2>/dev/null ||
    cp /etc/apt/sources.list "$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"

git clone -q "$repo" "$root/root/zamut"
for file in "${copies[@]}"; do
    cp "$file" "$root/root/zamut/"
done

# A private mount namespace: the root's /proc, /dev and caches vanish with the command.
unshare --mount --fork -- /bin/sh -c '
    root=$1 archives=$2
    shift 2
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    mount --bind "$archives" "$root/var/cache/apt/archives"
    cd /
    exec chroot "$root" /usr/bin/env -i LANG=C.UTF-8 HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/sh -c "cd /root/zamut && exec \"\$@\"" sh "$@"
' sh "$root" "$archives" "$@" </dev/null
