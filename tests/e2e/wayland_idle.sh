#!/usr/bin/env bash
# The rain an idle daemon starts on sway: swayidle -w gets control back at once (its later
# timeout fires on time), the rain covers every output, a key ends it and resume runs; the lock
# command ends it with --stop before swaylock, whose colour then fills every output, and no rain
# starts while the lock is up, which gets the keys. Without a Wayland display the start fails in
# one line and leaves nothing running (a compositor without layer surfaces: wayland_fallback). The rain outlives the command that started it: this script adopts and reaps
# it (a child subreaper), since PID 1 here reaps nothing.
if [ -z "${WAYLAND_IDLE_SUBREAPER:-}" ]; then
  export WAYLAND_IDLE_SUBREAPER=1
  exec python3 -c 'import ctypes, os, sys
ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
os.execv("/bin/bash", ["bash"] + sys.argv[1:])' "$0" "$@"
fi
source "$(dirname "$0")/wayland_lib.sh"
start_sway
add_output HEADLESS-1 800x600 0 0
add_output HEADLESS-2 640x480 800 0
outputs=(HEADLESS-1 HEADLESS-2)
rain_running() { pgrep -f -- "$QUELLAR --wayland" >/dev/null; }
logged() { grep -q "^$1" "$WORK/events" 2>/dev/null; }
only_colour() { [ "$(colours_of "$1")" = "$2" ]; }
more_than_colour() { ! only_colour "$@"; }

swayidle -w timeout 1 "$QUELLAR --wayland && echo started >>$WORK/events" \
  resume "echo resumed >>$WORK/events" timeout 3 "echo later >>$WORK/events" \
  >"$WORK/swayidle.log" 2>&1 &
IDLE=$!
wait_for 3 logged started || fail "the rain's start did not return"
for output in "${outputs[@]}"; do covered "$output" || fail "$output is not covered"; done
wait_for 3 logged later || fail "swayidle's later timeout did not fire: it waits for the rain"
keys -k a
wait_for 2 logged resumed || fail "a key did not end the rain: no resume"
wait_for 2 bare HEADLESS-2 || fail "the rain is still on HEADLESS-2 after a key"
kill "$IDLE"
wait "$IDLE" 2>/dev/null || true

"$QUELLAR" --wayland --speed 61 || fail "the rain did not start"
"$QUELLAR" --wayland || fail "a second start failed"
[ "$(pgrep -fc -- "$QUELLAR --wayland")" = 1 ] || fail "a second start started a second rain"
"$QUELLAR" --stop || fail "--stop failed"
! rain_running || fail "--stop returned with the rain running"
swaylock -f -c 336699 || fail "no swaylock"
for output in "${outputs[@]}"; do
  wait_for 2 only_colour "$output" "51 102 153" || fail "$output does not show the lock"
done
"$QUELLAR" --wayland || fail "a start under the lock screen failed"
! rain_running || fail "the rain started above the lock screen"
# swaylock answers a key with its indicator.
keys -k a
wait_for 2 more_than_colour HEADLESS-1 "51 102 153" || fail "the lock screen did not get the key"
pkill -x swaylock

unset WAYLAND_DISPLAY
"$QUELLAR" --wayland 2>"$WORK/stderr" && fail "a start without a Wayland display succeeded"
[ "$(wc -l <"$WORK/stderr")" = 1 ] || fail "without a display it said: $(cat "$WORK/stderr")"
! rain_running || fail "a failed start left a rain running"
note "Wayland idle daemon: ok"
