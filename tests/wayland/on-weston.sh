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
weston --config="$runtime/weston.ini" --backend=x11-backend.so --use-pixman --socket=wayland-diruvari \
    --width=480 --height=360 --scale="$scale" --log="$runtime/weston.log" &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
# The shell is up once its background is: until then a new window may not
# be given the keyboard.
for _ in $(seq 100); do
    grep -q 'launching.*weston-desktop-shell' "$runtime/weston.log" 2>/dev/null && break
    sleep 0.1
done
sleep 1
# The X keyboard goes to weston's window wherever the pointer is.
xdotool search --class '^Weston Compositor$' windowfocus --sync
export WAYLAND_DISPLAY=wayland-diruvari QT_QPA_PLATFORM=wayland
"$@"
