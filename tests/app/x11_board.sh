#!/usr/bin/env bash
# The real program on a real X server (run under scripts/with-xvfb.sh): a window titled
# ザムト appears with its green 453 x 358 board and the hand's card pictures,
# and Qt's own command-line options change nothing.
# usage: x11_board.sh <zamut> <res/cards/1.png>
set -euo pipefail
zamut=$1
card_one=$2
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pixel() { convert "$1" -alpha off -format "%[pixel:p{$2,$3}]" info:; }

echo '* { background: red; color: red; }' >"$work/red.qss"
"$zamut" -stylesheet "$work/red.qss" -reverse -style windows &
pid=$!

id=
for _ in $(seq 100); do
    id=$(xwininfo -root -children | awk '/"ザムト"/ { print $1; exit }')
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || fail "no window titled ザムト within 10 s"
# Let the first frame be painted: wait until the hand's first card shows.
width=$(xwininfo -id "$id" | awk '/Width:/ { print $2 }')
height=$(xwininfo -id "$id" | awk '/Height:/ { print $2 }')
menu=$((height - 358))
[ "$width" -eq 453 ] || fail "window is $width px wide, not 453"
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "window height $height leaves no menu bar above a 358 px board"

expected=$(pixel "$card_one" 12 17)
seen=
for _ in $(seq 50); do
    import -window "$id" "$work/shot.png"
    seen=$(pixel "$work/shot.png" $((50 + 12)) $((menu + 242 + 17)))
    [ "$seen" = "$expected" ] && break
    sleep 0.1
done
[ "$seen" = "$expected" ] || fail "hand card 1 shows $seen where its picture has $expected"

green=$(pixel "$work/shot.png" 440 $((menu + 350)))
case "$green" in
"srgb(0,128,0)") ;;
*) fail "board background is $green, not green: a command-line option took effect" ;;
esac
xprop -id "$id" WM_CLASS | grep -q '"zamut"' || fail "window class is not zamut"
echo "PASS: board window $width x $height, menu bar $menu px"
