#!/usr/bin/env bash
# Runs that end badly give the desktop back and say so in one line, with exit status 1: a
# run-time error (on a screen 32767 pixels tall, where the rain's rows leave the 16-bit range
# once the fastest speed has taken it to the bottom), a connection cut by the server, and
# monitors beyond what an X window can cover (only QUELLAR_MONITORS can name them).
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 64x32767

start_saver
xdotool key KP_Add KP_Add KP_Add KP_Add
wait_for 60 process_ended "$SAVER" || fail "no run-time error on a screen 32767 pixels tall"
end_saver 1 "a run-time error"
[ "$(cat "$WORK/stderr")" = "quellar: run-time error: Overflow" ] ||
  fail "a run-time error said: $(cat "$WORK/stderr")"

start_saver
xdotool windowkill "$SAVER_WINDOW"
end_saver 1 "a lost connection"
[ "$(cat "$WORK/stderr")" = "quellar: lost the connection to the X display" ] ||
  fail "a lost connection said: $(cat "$WORK/stderr")"
status=0
QUELLAR_MONITORS='30000x10+0+0*,30000x10+40000+0' "$QUELLAR" /s 2>"$WORK/stderr" || status=$?
[ "$status" = 1 ] && grep -q '^quellar: the monitors span 70000x10 pixels from (0, 0), more' \
  "$WORK/stderr" || fail "monitors too wide for X: status $status, $(cat "$WORK/stderr")"
note "abnormal ends: ok"
