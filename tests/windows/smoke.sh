#!/usr/bin/env bash
# Plays diruvari.exe under Wine on a private Xvfb display with real X11
# input: checks the client area's size and colours, selects a card and sees
# the frame, chooses "Reset" and sees it go, closes the window and expects
# exit status 0.
set -euo pipefail
exe=$1
work=$(mktemp -d)
xvfb=
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

wine "$exe" >/dev/null 2>&1 &
game=$!
window=$(timeout 120 xdotool search --sync --name '^Diruvari!$' | head -n 1) ||
    fail "no window titled Diruvari!"
sleep 1

# The colour of the window's pixel at x, y.
pixel() {
    import -window "$window" "$work/shot.png"
    convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}

import -window "$window" "$work/shot.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 264 ] || fail "client width $WIDTH, expected 264"
# The client area is the light orange run at the right edge, under the menu bar.
orange=$(convert "$work/shot.png" -crop "1x$HEIGHT+263+0" -depth 8 txt:- | grep -c '#FFC080')
[ "$orange" -eq 135 ] || fail "client height $orange, expected 135"
menu=$((HEIGHT - 135))
for k in 0 5 10 15; do
    colour=$(pixel $((3 + 33 * (k % 4) + 15)) $((menu + 3 + 33 * (k / 4) + 15)))
    case "$colour" in '#FF0000' | '#00FF00' | '#0000FF') ;; *) fail "card $k is $colour" ;; esac
done
[ "$(pixel 34 $((menu + 50)))" = '#FFC080' ] || fail "a frame before any click"

xdotool mousemove --window "$window" 51 $((menu + 51)) click 1
sleep 0.5
[ "$(pixel 34 $((menu + 50)))" = '#000000' ] || fail "no frame left of card 5 after clicking it"
[ "$(pixel 67 $((menu + 50)))" = '#000000' ] || fail "no frame right of card 5 after clicking it"

xdotool mousemove --window "$window" 20 $((menu / 2)) click 1
sleep 0.5
[ "$(pixel 34 $((menu + 50)))" = '#FFC080' ] || fail "the frame stayed after Reset"

xdotool windowfocus "$window" key alt+F4
status=0
timeout 30 tail --pid="$game" -f /dev/null || fail "still running after the window was closed"
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "diruvari.exe: window 264x135 below a ${menu}-pixel menu bar, frame shown and reset, closed with status 0"
