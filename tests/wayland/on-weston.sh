#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command as a client of a private weston compositor, a 480 × 360
# output at the given scale in a window of the X display that DISPLAY names
# (tests/on-display.sh gives one). weston's X11 backend turns XTest input
# into that window into real wl_pointer and wl_keyboard events, and repeats
# a held key itself, as a desktop does:
#   on-weston.sh <scale> <command> [arguments...]
set -euo pipefail
scale=$1
shift
runtime=$(mktemp -d)
chmod 0700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
cat >"$runtime/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff404040
[keyboard]
repeat-rate=25
repeat-delay=660
EOF
start_weston() {
    : >"$runtime/weston.log"
    weston --config="$runtime/weston.ini" --backend=x11-backend.so --use-pixman --socket=wayland-diruvari \
        --width=480 --height=360 --scale="$scale" --log="$runtime/weston.log" &
    weston=$!
}
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
# Waits up to 10 s for a command to succeed while weston runs; fails with
# weston's log when it does not.
await() {
    local what=$1
    shift
    for _ in $(seq 100); do
        kill -0 "$weston" 2>/dev/null || break
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "on-weston.sh: $what did not come up; weston's log:" >&2
    cat "$runtime/weston.log" >&2
    return 1
}
# weston's X11 backend now and then cannot open a display that has just
# come up ("failed to create compositor backend", with nothing before it):
# a start that fails so is tried twice more.
for attempt in 1 2 3; do
    start_weston
    await "weston's window" xdotool search --class '^Weston Compositor$' && break
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    [ "$attempt" -lt 3 ] && grep -q 'failed to create compositor backend' "$runtime/weston.log" || exit 1
    answers=$(xset q >/dev/null 2>&1 && echo answers || echo "does not answer")
    echo "on-weston.sh: the display $DISPLAY $answers; starting weston again" >&2
done
window=$(xdotool search --class '^Weston Compositor$' | head -n 1)
# The shell is up once it has painted its background: until then a new
# window may not be given the keyboard. Its far corner tells, where weston's
# pointer, which stands at the window's origin, never covers it.
background() {
    [ "$(import -window "$window" png:- | convert - -gravity SouthEast -crop 1x1+0+0 -depth 8 txt:- |
        grep -o '#[0-9A-F]\{6\}')" = "#404040" ]
}
await "weston's shell" background || exit 1
# The X keyboard goes to weston's window wherever the pointer is.
xdotool windowfocus --sync "$window"
export WAYLAND_DISPLAY=wayland-diruvari QT_QPA_PLATFORM=wayland
"$@"
