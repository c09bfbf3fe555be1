#!/usr/bin/env bash
# wine_settings.sh ARCH SCR HOST_DIR: /c:1312 and /c open the settings dialog (an appended
# handle is ignored); it shows the banner and its controls at the layout's places; clicks and
# keys change the boxes by the dialog's rule; the Close button and the window's close store
# the same; and full-screen runs then act on what was stored.
source "$(dirname "$0")/wine_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
start_wine_display 800x600
forget_settings

expect_stored() {
  expect_equal "$3: MouseMove" "$(registry_value MouseMove)" "REG_BINARY $1"
  expect_equal "$3: SysFailScreen" "$(registry_value SysFailScreen)" "REG_BINARY $2"
}

# Keys go to the window under the pointer.
open_dialog() {
  start_saver "$1"
  await_window "$SETTINGS_TITLE" 20
  DIALOG=$(find_window "$SETTINGS_TITLE" | head -n 1)
  dialog_origin "$DIALOG"
  point_at_window "$DIALOG"
  sleep 0.5
}
take_shot() { screenshot "$1"; }
# Wine closes the window for Alt+F4 itself, as the system menu's Close.
close_by_window() { xdotool key alt+F4; }
expect_closed() {
  await_saver_exit 10
  expect_equal "exit code after $1" "$SAVER_EXIT" 0
}
expect_open() {
  sleep 0.5
  kill -0 "$SAVER_PID" 2>/dev/null || fail "$1 closed the dialog"
}
start_run() { start_full_screen; }
# A Wine process takes about 2 s to go once its windows have gone, however it ends.
expect_run_ended() {
  await_saver_exit 10
  expect_equal "exit code after $1" "$SAVER_EXIT" 0
}

settings_scenario /c:1312
note "settings: ok"
