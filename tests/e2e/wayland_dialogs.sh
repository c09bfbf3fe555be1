#!/usr/bin/env bash
# The settings dialog and the notice on sway, with no X display. The dialog shows its banner and
# controls; clicking ChMouse forces ChFail, and Close stores both. The next run ends at the
# eighth pointer movement, the pointer's arrival on the run being none. The notice shows, and a
# signal answers it.
source "$(dirname "$0")/wayland_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
start_sway
add_output HEADLESS-1 800x600 0 0
DIALOG_X=0
DIALOG_Y=0
# GTK 3 matches its key bindings (Space, Tab) against a keymap that does not follow wtype's,
# which changes with every run: the dialog is driven by the mouse.
click_at() { pointer move "$(scaled $1)" "$(scaled $2)" 800 600 && pointer click; }
window_shown() {
  local colours && colours=$(colours_of HEADLESS-1) && [ "$colours" != "63 63 63" ]
}

"$QUELLAR" /c 2>"$WORK/stderr" &
SAVER=$!
wait_for 10 window_shown || fail "no settings dialog on the output"
settled expect_first settings-first >/dev/null
click_at $CH_MOUSE_AT
settled expect_forced settings-forced >/dev/null
click_at $CLOSE_AT
expect_closed "Close"
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
kill -HUP "$SAVER"
expect_closed "SIGHUP on the notice"
note "Wayland dialogs: ok"
