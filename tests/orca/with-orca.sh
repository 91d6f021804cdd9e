#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with the Orca screen reader attached, as a blind player's
# desktop has it, in a session of its own: a private Xvfb display (with the
# keyboard's autorepeat on), home, D-Bus session and accessibility bus, and
# speech-dispatcher speaking through espeak-ng into a null sound device.
# Orca writes what it says to $ORCA_LOG as lines `SPEECH OUTPUT: '...'`:
#   with-orca.sh <command> [arguments...]
# Only one Orca runs at a time: the command holds a lock, and waits for it
# a minute at most, well within the test's time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY_READY:-}" ]; then
    # -o: no process of the session, a daemon least of all, keeps the lock.
    status=0
    flock -o -E 75 -w 60 /tmp/diruvari-orca.lock env DISPLAY_READY=1 "$here/../on-display.sh" "$0" "$@" ||
        status=$?
    [ "$status" != 75 ] || echo "with-orca.sh: another session with Orca held the lock for 60 s" >&2
    exit "$status"
fi
work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export ORCA_LOG="$work/orca.log"
# Ends each process, with 5 s to go (Orca can be stuck asking a program
# that is gone).
stop() {
    kill "$@" 2>/dev/null || true
    for _ in $(seq 50); do
        alive=0
        for pid in "$@"; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ "$alive" = 0 ] && return
        sleep 0.1
    done
    kill -9 "$@" 2>/dev/null || true
}
cleanup() {
    [ -n "${KEEP_ORCA_LOG:-}" ] && cp "$ORCA_LOG" "$KEEP_ORCA_LOG" 2>/dev/null
    # Orca first: going, it would start another speech-dispatcher. Then
    # every process of the session, the daemons that D-Bus and the
    # accessibility bus started included: each has its runtime folder.
    [ -n "${orca:-}" ] && stop "$orca"
    # Again while any is left: a client going may start another daemon.
    for _ in 1 2 3; do
        local session=()
        for environ in /proc/[0-9]*/environ; do
            pid=${environ#/proc/}
            pid=${pid%/environ}
            [ "$pid" != $$ ] && grep -qsz "^XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR\$" "$environ" && session+=("$pid")
        done
        [ ${#session[@]} -eq 0 ] && break
        stop "${session[@]}"
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# No sound card: espeak-ng speaks into nothing.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultRate 100
CONF
# A killed Orca would lose the tail of a block-buffered log.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
import orca.debug
if orca.debug.debugFile is not None:
    orca.debug.debugFile.reconfigure(line_buffering=True)
PY

eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
speech-dispatcher --run-single --timeout 0 >/dev/null 2>&1 &
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
    sleep 0.1
done
# Orca hangs in its speech set-up where speech-dispatcher does not answer.
timeout 20 spd-say -w "ready" || { echo "speech-dispatcher does not answer" >&2; exit 1; }
orca --debug-file "$ORCA_LOG" >/dev/null 2>&1 &
orca=$!
for _ in $(seq 100); do
    grep -q "SPEECH OUTPUT" "$ORCA_LOG" 2>/dev/null && break
    kill -0 "$orca" 2>/dev/null || break
    sleep 0.2
done
grep -q "SPEECH OUTPUT" "$ORCA_LOG" || { echo "Orca did not start speaking" >&2; exit 1; }
"$@"
