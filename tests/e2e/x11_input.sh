#!/usr/bin/env bash
# Pointer input in a full-screen run, as Windows delivers it: a double click ends the run at
# once; the wheel is no mouse button; with "end on movement" stored, the eighth movement ends
# the run and seven do not.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 640x480

expect_ended() {
  wait_exit "$SAVER" 5
  [ "$EXIT_STATUS" = 0 ] || fail "$1 did not end the run with status 0 ($EXIT_STATUS)"
  [ ! -s "$WORK/stderr" ] || fail "the run wrote to stderr: $(cat "$WORK/stderr")"
  expect_desktop_back
}

start_saver
xdotool mousemove 100 100 click --repeat 2 --delay 100 1
expect_ended "a double click"

sqlite3 "$QUELLAR_REGISTRY" "INSERT OR REPLACE INTO registry_values VALUES
  ('HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovenlab\\QuellarScreensaver', 'MouseMove', 3, X'01')"
start_saver
xdotool click 4 click 5
for step in 1 2 3 4 5 6 7; do xdotool mousemove $((step * 20)) $((step * 10)); done
sleep 0.5
process_ended "$SAVER" && fail "the wheel or seven movements ended the run"
xdotool mousemove 300 200
expect_ended "the eighth movement"
note "input: ok"
