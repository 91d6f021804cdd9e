#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private Xvfb display whose keyboard repeats a held key
# as a desktop's does, after 660 ms, 25 times a second:
#   on-display.sh <command> [arguments...]
set -euo pipefail
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
# The number is whole once its newline is written; Xvfb has 10 s for it.
for _ in $(seq 100); do
    [ "$(wc -l <"$work/display")" -ge 1 ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ "$(wc -l <"$work/display")" -lt 1 ]; then
    echo "on-display.sh: Xvfb did not come up:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"
if command -v xset >/dev/null; then
    xset r on r rate 660 25
fi
"$@"
