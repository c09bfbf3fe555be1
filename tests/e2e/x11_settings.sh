#!/usr/bin/env bash
# The settings dialog on GTK: without a display it says so and touches no store; it shows the
# banner and its controls at the layout's places; clicks and keys change the boxes by the
# dialog's rule; the Close button and the window's close store the same; and full-screen runs
# then act on what was stored.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
: "${X11_CLOSE_WINDOW:?X11_CLOSE_WINDOW must name the window-closing helper}"
start_x11_test 800x600
# Screenshots compare boxes pixel for pixel: no fading between states.
mkdir -p "$WORK/config/gtk-3.0"
printf '[Settings]\ngtk-enable-animations=false\n' >"$WORK/config/gtk-3.0/settings.ini"
export XDG_CONFIG_HOME="$WORK/config"

store_byte() {
  sqlite3 "$QUELLAR_REGISTRY" "INSERT OR REPLACE INTO registry_values VALUES
    ('$SETTINGS_KEY_PATH', '$1', 3, X'$2')"
}
stored_byte() {
  sqlite3 "$QUELLAR_REGISTRY" "SELECT hex(data) FROM registry_values WHERE name = '$1'"
}
expect_stored() {
  [ "$(stored_byte MouseMove)" = "$1" ] || fail "$3: MouseMove $(stored_byte MouseMove), not $1"
  [ "$(stored_byte SysFailScreen)" = "$2" ] ||
    fail "$3: SysFailScreen $(stored_byte SysFailScreen), not $2"
}

# open_dialog: starts quellar /c and waits for its window, which gets the keyboard.
open_dialog() {
  "$QUELLAR" /c 2>"$WORK/stderr" &
  DIALOG_PID=$!
  wait_for 10 xdotool search --name "$SETTINGS_TITLE" || fail "no settings window"
  DIALOG=$(xdotool search --name "$SETTINGS_TITLE" | head -n 1)
  xdotool windowfocus --sync "$DIALOG"
  dialog_origin "$DIALOG"
  sleep 0.5
}

# expect_closed WHAT: the dialog's process ended well after WHAT.
expect_closed() {
  wait_exit "$DIALOG_PID" 5
  [ "$EXIT_STATUS" = 0 ] || fail "$1: status $EXIT_STATUS: $(cat "$WORK/stderr")"
}

expect_open() {
  sleep 0.5
  ! process_ended "$DIALOG_PID" || fail "$1 closed the dialog"
}

# Without a display: a message, a failure status, and no store made.
status=0
env -u DISPLAY "$QUELLAR" /c 2>"$WORK/stderr" || status=$?
[ "$status" != 0 ] || fail "/c without a display ended with status 0"
grep -qi display "$WORK/stderr" || fail "/c without a display said: $(cat "$WORK/stderr")"
[ ! -e "$QUELLAR_REGISTRY" ] || fail "/c without a display opened the settings store"

# Nothing stored: both boxes clear and alike. Checking ChMouse forces ChFail on and greys it,
# and a greyed box takes no clicks.
open_dialog
[ "$(xdotool getwindowname "$DIALOG")" = "Quellar™ Screensaver by Tovenlab" ] ||
  fail "caption: $(xdotool getwindowname "$DIALOG")"
first=$(shot settings-first)
expect_banner "$first"
expect_controls "$first"
expect_squares same "$first" "$CH_MOUSE_BOX" "$first" "$CH_FAIL_BOX"
click_at $CH_MOUSE_AT
sleep 0.3
forced=$(shot settings-forced)
expect_squares different "$forced" "$CH_MOUSE_BOX" "$forced" "$CH_FAIL_BOX"
click_at $CH_FAIL_AT
click_at $CLOSE_AT
expect_closed "Close"
expect_stored 01 01 "Close after checking ChMouse and clicking the greyed ChFail"

# The stored MouseMove ends a run at the eighth movement.
store_byte SysFailScreen 00
start_saver
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove $((step * 20)) $((step * 10)); done
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 0 ] || fail "eight movements did not end the run ($EXIT_STATUS)"

# MouseMove 1 with SysFailScreen 0 opens with ChFail checked and greyed; clearing ChMouse frees
# it, still checked; the window's close stores that.
open_dialog
greyed=$(shot settings-greyed)
expect_squares same "$greyed" "$CH_FAIL_BOX" "$forced" "$CH_FAIL_BOX"
expect_squares same "$greyed" "$CH_MOUSE_BOX" "$forced" "$CH_MOUSE_BOX"
click_at $CH_MOUSE_AT
sleep 0.3
freed=$(shot settings-freed)
expect_squares same "$freed" "$CH_FAIL_BOX" "$forced" "$CH_MOUSE_BOX"
expect_squares same "$freed" "$CH_MOUSE_BOX" "$first" "$CH_MOUSE_BOX"
"$X11_CLOSE_WINDOW" "$DIALOG"
expect_closed "the window's close"
expect_stored 00 01 "window close after clearing ChMouse"

# The stored SysFailScreen skips the failure screen: one Space ends the run, where the failure
# screen would wait for a second one.
start_saver
xdotool key space
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 0 ] || fail "Space did not end a run that skips the failure screen ($EXIT_STATUS)"

# Keys: a stored 2 shows indeterminate; Escape closes nothing; Space checks ChMouse, which has
# the focus; Tab then skips the greyed ChFail to Close, and Enter presses it.
store_byte SysFailScreen 02
open_dialog
mixed=$(shot settings-indeterminate)
expect_squares different "$mixed" "$CH_FAIL_BOX" "$first" "$CH_FAIL_BOX"
expect_squares different "$mixed" "$CH_FAIL_BOX" "$forced" "$CH_MOUSE_BOX"
xdotool key Escape
expect_open "Escape"
xdotool key space Tab Return
expect_closed "Enter on Close"
expect_stored 01 01 "Space, Tab and Enter"
note "settings: ok"
