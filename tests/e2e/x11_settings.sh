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

# Without a window manager nothing else gives the new window the keyboard.
open_dialog() {
  "$QUELLAR" "$1" 2>"$WORK/stderr" &
  DIALOG_PID=$!
  wait_for 10 xdotool search --name "$SETTINGS_TITLE" || fail "no settings window"
  DIALOG=$(xdotool search --name "$SETTINGS_TITLE" | head -n 1)
  xdotool windowfocus --sync "$DIALOG"
  dialog_origin "$DIALOG"
  sleep 0.5
}
take_shot() { shot "$1"; }
close_by_window() { "$X11_CLOSE_WINDOW" "$DIALOG"; }
expect_closed() {
  wait_exit "$DIALOG_PID" 5
  [ "$EXIT_STATUS" = 0 ] || fail "$1: status $EXIT_STATUS: $(cat "$WORK/stderr")"
}
expect_open() {
  sleep 0.5
  ! process_ended "$DIALOG_PID" || fail "$1 closed the dialog"
}
start_run() { start_saver; }
expect_run_ended() {
  wait_exit "$SAVER" 5
  [ "$EXIT_STATUS" = 0 ] || fail "$1 did not end the run ($EXIT_STATUS)"
}

# Without a display: a message, a failure status, and no store made.
status=0
env -u DISPLAY "$QUELLAR" /c 2>"$WORK/stderr" || status=$?
[ "$status" != 0 ] || fail "/c without a display ended with status 0"
grep -qi display "$WORK/stderr" || fail "/c without a display said: $(cat "$WORK/stderr")"
[ ! -e "$QUELLAR_REGISTRY" ] || fail "/c without a display opened the settings store"

settings_scenario /c
note "settings: ok"
