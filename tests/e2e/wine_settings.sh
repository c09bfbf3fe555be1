#!/usr/bin/env bash
# wine_settings.sh ARCH SCR HOST_DIR: /c:1312 and /c open the settings dialog (an appended
# handle is ignored); it shows the banner and its controls at the layout's places; clicks and
# keys change the boxes by the dialog's rule; the Close button and the window's close store
# the same; and full-screen runs then act on what was stored.
source "$(dirname "$0")/wine_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
start_wine_display 800x600
forget_settings

store_byte() {
  wine_run reg add "$QUELLAR_KEY" /v "$1" /t REG_BINARY /d "$2" /f "${REG_VIEW[@]}" >/dev/null
}
expect_stored() {
  expect_equal "$3: MouseMove" "$(registry_value MouseMove)" "REG_BINARY $1"
  expect_equal "$3: SysFailScreen" "$(registry_value SysFailScreen)" "REG_BINARY $2"
}

# open_dialog SWITCH: starts the dialog and waits for it; keys go to it under the pointer.
open_dialog() {
  start_saver "$1"
  await_window "$SETTINGS_TITLE" 20
  DIALOG=$(find_window "$SETTINGS_TITLE" | head -n 1)
  dialog_origin "$DIALOG"
  point_at_window "$DIALOG"
  sleep 0.5
}

expect_closed() {
  await_saver_exit 10
  expect_equal "exit code after $1" "$SAVER_EXIT" 0
}

expect_open() {
  sleep 0.5
  kill -0 "$SAVER_PID" 2>/dev/null || fail "$1 closed the dialog"
}

# start_run: a full-screen run, once its window is up.
start_run() {
  start_saver /s
  await_window '^Quellar$' 20
}

# Nothing stored: both boxes clear and alike; Escape closes nothing. Checking ChMouse forces
# ChFail on and greys it, and a greyed box takes no clicks.
open_dialog /c:1312
expect_equal "caption" "$(xdotool getwindowname "$DIALOG")" "Quellar™ Screensaver by Tovenlab"
first=$(screenshot settings-first)
expect_banner "$first"
expect_controls "$first"
expect_squares same "$first" "$CH_MOUSE_BOX" "$first" "$CH_FAIL_BOX"
xdotool key Escape
expect_open "Escape"
click_at $CH_MOUSE_AT
sleep 0.3
forced=$(screenshot settings-forced)
expect_squares different "$forced" "$CH_MOUSE_BOX" "$forced" "$CH_FAIL_BOX"
click_at $CH_FAIL_AT
click_at $CLOSE_AT
expect_closed "Close"
expect_stored 01 01 "Close after checking ChMouse and clicking the greyed ChFail"

# The stored MouseMove ends a run at the eighth movement.
store_byte SysFailScreen 00
start_run
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove $((step * 20)) $((step * 10)); done
await_saver_exit 5
expect_equal "exit code after eight movements" "$SAVER_EXIT" 0

# MouseMove 1 with SysFailScreen 0 opens with ChFail checked and greyed; clearing ChMouse frees
# it, still checked; the window's close stores that.
open_dialog /c
greyed=$(screenshot settings-greyed)
expect_squares same "$greyed" "$CH_FAIL_BOX" "$forced" "$CH_FAIL_BOX"
expect_squares same "$greyed" "$CH_MOUSE_BOX" "$forced" "$CH_MOUSE_BOX"
click_at $CH_MOUSE_AT
sleep 0.3
freed=$(screenshot settings-freed)
expect_squares same "$freed" "$CH_FAIL_BOX" "$forced" "$CH_MOUSE_BOX"
expect_squares same "$freed" "$CH_MOUSE_BOX" "$first" "$CH_MOUSE_BOX"
xdotool key alt+F4
expect_closed "Alt+F4"
expect_stored 00 01 "Alt+F4 after clearing ChMouse"

# The stored SysFailScreen skips the failure screen: one Space ends the run, where the failure
# screen would wait for a second one. (Under Wine a run takes about 2 s to go, however it ends.)
start_run
xdotool key space
await_saver_exit 10
expect_equal "exit code after Space" "$SAVER_EXIT" 0

# Keys: a stored 2 shows indeterminate; Space checks ChMouse, which has the focus; Tab then
# skips the greyed ChFail to Close, and Enter presses it.
store_byte SysFailScreen 02
open_dialog /c
mixed=$(screenshot settings-indeterminate)
expect_squares different "$mixed" "$CH_FAIL_BOX" "$first" "$CH_FAIL_BOX"
expect_squares different "$mixed" "$CH_FAIL_BOX" "$forced" "$CH_MOUSE_BOX"
xdotool key space Tab Return
expect_closed "Space, Tab and Enter"
expect_stored 01 01 "Space, Tab and Enter"
note "settings: ok"
