#!/usr/bin/env bash
# The settings dialog's story (settings_lib.sh) on Wine, opened with /c:1312 (an appended handle
# is ignored), then /c; full-screen runs act on what it stored; then at three more densities.
source "$(dirname "$0")/wine_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
start_wine_test

# Keys go to the window under the pointer when no window manager gives focus.
open_dialog() {
  start_saver "$1"
  await_window "$SETTINGS_TITLE"
  DIALOG=$(find_window "$SETTINGS_TITLE" | head -n 1)
  dialog_origin "$DIALOG"
  xdotool mousemove --window "$DIALOG" "$(scaled 440)" "$(scaled 140)"
}
# Wine closes the window for Alt+F4 itself, as the system menu's Close.
close_by_window() { xdotool key alt+F4; }
expect_stored() {
  expect_equal "$3" "$(stored_values | grep -E '^(MouseMove|SysFailScreen) ')" \
    "MouseMove REG_BINARY $1
SysFailScreen REG_BINARY $2"
}

settings_scenario /c:1312

# Window, banner, Line1, version and controls follow the density, and Close still closes.
wine_run reg delete "$QUELLAR_KEY" /f "${REG_VIEW[@]}" >/dev/null
for DIALOG_DPI in 120 144 192; do
  set_dpi "$DIALOG_DPI"
  open_dialog /c
  settled expect_first "settings-$DIALOG_DPI" >/dev/null
  click_at $CLOSE_AT
  expect_closed "Close at $DIALOG_DPI dots per inch"
done
note "settings: ok"
