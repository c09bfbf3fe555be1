#!/usr/bin/env bash
# The settings dialog and the notice on sway, with no X display. Keys check ChMouse, which forces
# ChFail, and press Close: both are stored, and the next run ends at the eighth pointer movement,
# the pointer's arrival on the run being none. Enter answers the notice.
source "$(dirname "$0")/wayland_lib.sh"
start_sway
add_output HEADLESS-1 800x600 0 0
window_shown() { colours_of HEADLESS-1 | grep -qvx "63 63 63"; }

"$QUELLAR" /c 2>"$WORK/stderr" &
SAVER=$!
wait_for 10 window_shown || fail "no settings dialog on the output"
keys -k space -k Tab -k Return
expect_exit "$SAVER" 0 "Space, Tab and Enter in the settings dialog"
[ "$(stored MouseMove) $(stored SysFailScreen)" = "01 01" ] ||
  fail "MouseMove and SysFailScreen stored as $(stored MouseMove) $(stored SysFailScreen)"

start_wayland_saver HEADLESS-1
for movement in {1..7}; do pointer nudge 20 10; done
process_ended "$SAVER" && fail "seven movements ended the run"
pointer nudge 20 10
end_wayland_saver 0 "the eighth movement" HEADLESS-1

"$QUELLAR" /a 2>"$WORK/stderr" &
SAVER=$!
wait_for 10 window_shown || fail "no notice on the output"
keys -k Return
expect_exit "$SAVER" 0 "Enter on the notice"
note "Wayland dialogs: ok"
