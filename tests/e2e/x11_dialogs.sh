#!/usr/bin/env bash
# The settings dialog on GTK: its whole story (settings_lib.sh), then a termination signal
# closes it as its window's close does, storing what it shows. The notice ends when it is
# answered or on a signal, and touches no store.
source "$(dirname "$0")/x11_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
start_x11_test 800x600
# Screenshots compare boxes pixel for pixel: no fading between states.
mkdir -p "$WORK/config/gtk-3.0"
printf '[Settings]\ngtk-enable-animations=false\n' >"$WORK/config/gtk-3.0/settings.ini"
export XDG_CONFIG_HOME="$WORK/config"

# The toolkit's ways for settings_scenario.
store_byte() {
  sqlite3 "$QUELLAR_REGISTRY" "INSERT OR REPLACE INTO registry_values VALUES
    ('$SETTINGS_KEY_PATH', '$1', 3, X'$2')"
}
expect_stored() {
  [ "$(stored MouseMove) $(stored SysFailScreen)" = "$1 $2" ] ||
    fail "$3: MouseMove and SysFailScreen $(stored MouseMove) $(stored SysFailScreen), not $1 $2"
}
# open_window SWITCH TITLE: SAVER shows the window DIALOG. Without a window manager
# nothing else gives the new window the keyboard.
open_window() {
  "$QUELLAR" "$1" 2>"$WORK/stderr" &
  SAVER=$!
  wait_for 10 xdotool search --name "$2" || fail "quellar $1: no window $2"
  DIALOG=$(xdotool search --name "$2" | head -n 1)
  xdotool windowfocus --sync "$DIALOG"
  sleep 0.5
}
open_dialog() {
  open_window "$1" "$SETTINGS_TITLE"
  dialog_origin "$DIALOG"
}
close_by_window() { "$X11_PROBE" close "$DIALOG"; }
start_run() { start_saver; }

settings_scenario /c
# Stored MouseMove 1 with SysFailScreen 0 shows both boxes checked: that is what goes back.
store_byte SysFailScreen 00
open_dialog /c
kill -TERM "$SAVER"
expect_closed "SIGTERM"
expect_stored 01 01 "SIGTERM"

rm "$QUELLAR_REGISTRY"
for answer in "xdotool key Return" 'kill -HUP $SAVER'; do
  open_window /a '^QuellarScreensaver$'
  eval "$answer"
  expect_closed "$answer on the notice"
done
[ ! -e "$QUELLAR_REGISTRY" ] || fail "the notice opened the settings store"

# The dialogs come from a module beside the program: missing, not loadable, cut short (an
# upgrade written halfway) or altered, one line says so, before anything maps it.
mkdir "$WORK/bare" && cp "$QUELLAR" "$WORK/bare/quellar"
MODULE=$(dirname "$QUELLAR")/quellar-dialogs.so
COPY=$WORK/bare/quellar-dialogs.so
code=$((0x$(objdump -h "$MODULE" | awk '$2 == ".text" { print $6 }')))
flipped=$(($(od -An -tu1 -j "$code" -N1 "$MODULE") ^ 255))
for module in "missing:missing" "not a module:not a shared object" "cut short:cut short" \
  "altered:altered"; do
  case "${module%%:*}" in
    "not a module") echo "not a module" >"$COPY" ;;
    "cut short") head -c 16384 "$MODULE" >"$COPY" ;;
    altered)
      cp "$MODULE" "$COPY"
      printf "\\$(printf %03o "$flipped")" | dd of="$COPY" bs=1 seek="$code" conv=notrunc status=none
      ;;
  esac
  status=0 && timeout 10 "$WORK/bare/quellar" /c 2>"$WORK/stderr" || status=$?
  [ "$status" = 1 ] && [ "$(wc -l <"$WORK/stderr")" = 1 ] &&
    grep -q "quellar: .*dialogs module.*quellar-dialogs.so" "$WORK/stderr" &&
    grep -q "${module#*:}" "$WORK/stderr" ||
    fail "a module ${module%%:*}: status $status, $(cat "$WORK/stderr")"
done
note "dialogs: ok"
