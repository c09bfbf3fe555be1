#!/usr/bin/env bash
# A run that ends any other way than its own still gives the desktop back: its window
# destroyed by another client, its connection to the display cut.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 640x480

start_saver
"$X11_DESTROY_WINDOW" "$SAVER_WINDOW"
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 0 ] || fail "a destroyed window did not end the run with 0 ($EXIT_STATUS)"
expect_desktop_back

# The server drops the client; the flag lives on the root window and outlives it.
start_saver
xdotool windowkill "$SAVER_WINDOW"
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 1 ] || fail "a lost connection did not end the run with 1 ($EXIT_STATUS)"
grep -qF "quellar: lost the connection to the X display" "$WORK/stderr" ||
  fail "a lost connection: $(cat "$WORK/stderr")"
expect_desktop_back
note "recovery: ok"
