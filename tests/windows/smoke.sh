#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays diruvari.exe under Wine on a private Xvfb display with real X11
# input: checks the client area's size and colours; with the keyboard alone
# selects card 0, which has the focus from the start, and makes a pair with
# Space and Enter; with the mouse selects a card and sees the frame, chooses
# "Reset" and sees it go; closes the window and expects exit status 0. It
# waits for what it expects to see, never for a fixed time, and answers the
# box of a deal that has no move (about one in 5,500) as a player would.
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

shot() { import -window "$window" "$work/shot.png"; }
# The colour of the pixel at x, y of the last shot.
at() { convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'; }
pixel() { shot && at "$1" "$2"; }
# Repeats the command until it succeeds, for ten seconds at most.
await() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
painted() { [ "$(pixel 263 "$(($(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p') - 1))")" = '#FFC080' ]; }
await painted || fail "the window was never painted"

shot
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 264 ] || fail "client width $WIDTH, expected 264"
# The client area is the light orange run at the right edge, under the menu bar.
orange=$(convert "$work/shot.png" -crop "1x$HEIGHT+263+0" -depth 8 txt:- | grep -c '#FFC080')
[ "$orange" -eq 135 ] || fail "client height $orange, expected 135"
menu=$((HEIGHT - 135))
# Card $1's grid square, left and top, in the window's pixels.
square_x() { echo $((33 * ($1 % 4))); }
square_y() { echo $((menu + 33 * ($1 / 4))); }
card_centre() { at $(($(square_x "$1") + 18)) $(($(square_y "$1") + 18)); }
for k in 0 5 10 15; do
    colour=$(card_centre "$k")
    case "$colour" in '#FF0000' | '#00FF00' | '#0000FF') ;; *) fail "card $k is $colour" ;; esac
done

# The gap left of card k shows black exactly while the frame marks k.
ring_left_of() { pixel $(($(square_x "$1") + 1)) $(($(square_y "$1") + 18)); }
ring_is() { [ "$(ring_left_of "$1")" = "$2" ]; }
box_stands() { xdotool search --name '^Diruvari$' >/dev/null 2>&1; }
# Answers the box that says a deal has no move, as a player would.
answer_box() {
    box_stands || return 0
    xdotool search --name '^Diruvari$' windowfocus --sync key Return
    await eval '! box_stands' || fail "the box did not go"
}
# Waits for the ring left of card $1 to be $2, or for a box, which it
# answers; fails with $3 when neither comes. Returns 1 after a box.
expect_ring() {
    await eval "ring_is $1 '$2' || box_stands" || fail "$3"
    if box_stands; then answer_box; return 1; fi
}
press() { xdotool windowfocus --sync "$window" key "$@"; }
# The focus moves from card $1 to card $2 with the arrow keys.
walk() {
    for _ in $(seq $(($2 % 4 - $1 % 4))); do press Right; done
    for _ in $(seq $(($2 / 4 - $1 / 4))); do press Down; done
}
card_colours() {
    shot
    for k in $(seq 0 15); do card_centre "$k"; done
}

ring_is 0 '#FFC080' || fail "a frame before any input"
# Card 0 has the focus: Space selects it. On a deal with no move the scan
# says so and deals again, and the focus stays on card 0.
for attempt in 1 2 3; do
    press space
    expect_ring 0 '#000000' "Space did not select card 0: it has no focus at start" && break
done
ring_is 0 '#000000' || fail "three deals in a row without a move"
# The scan found a move: a pair of same-coloured neighbours, card 0's first.
mapfile -t colour < <(card_colours)
pair=
for a in $(seq 0 15); do
    if [ $((a % 4)) -lt 3 ] && [ "${colour[a]}" = "${colour[a + 1]}" ]; then pair="$a $((a + 1))"; fi
    if [ $a -lt 12 ] && [ "${colour[a]}" = "${colour[a + 4]}" ]; then pair="$a $((a + 4))"; fi
    [ -n "$pair" ] && break
done
[ -n "$pair" ] || fail "no pair on a board the scan passed: ${colour[*]}"
read -r a b <<<"$pair"
walk 0 "$a"
if [ "$a" -ne 0 ]; then
    press space
    expect_ring "$a" '#000000' "Space did not select card $a" || fail "a box after a selection"
fi
walk "$a" "$b"
press Return
# The repaint may leave no move: then a box says so, and the level restarts.
expect_ring "$a" '#FFC080' "Enter on card $b did not pair it with card $a" || true
ring_is "$b" '#FFC080' || fail "Enter moved the selection instead of pairing"

xdotool mousemove --window "$window" 51 $((menu + 51)) click 1
if ! expect_ring 5 '#000000' "no frame left of card 5 after clicking it"; then
    xdotool mousemove --window "$window" 51 $((menu + 51)) click 1
    expect_ring 5 '#000000' "no frame left of card 5 after clicking it" || fail "two dead deals"
fi
[ "$(pixel 67 $((menu + 50)))" = '#000000' ] || fail "no frame right of card 5 after clicking it"

xdotool mousemove --window "$window" 20 $((menu / 2)) click 1
await ring_is 5 '#FFC080' || fail "the frame stayed after Reset"

xdotool windowfocus "$window" key alt+F4
status=0
timeout 30 tail --pid="$game" -f /dev/null || fail "still running after the window was closed"
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "diruvari.exe: window 264x135 below a ${menu}-pixel menu bar; card 0 focused at start, Space selected card $a, Enter paired it with card $b; frame shown and reset; closed with status 0"
