#!/usr/bin/env bash
# "/a" shows the notice and ends when it is answered; the notice does not touch the settings
# store. The settings dialog has a script of its own, x11_settings.sh.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 800x600

# dialog NAME TITLE KEY ARGS...: runs quellar, waits for its window TITLE, screenshots it,
# answers it with KEY and checks that quellar then ends with status 0.
dialog() {
  local name=$1 title=$2 key=$3
  shift 3
  "$QUELLAR" "$@" 2>"$WORK/stderr" &
  local pid=$!
  wait_for 10 xdotool search --name "$title" || fail "quellar $*: no window \"$title\""
  local window
  window=$(xdotool search --name "$title" | head -n 1)
  # Without a window manager nothing else gives a new window the keyboard.
  xdotool windowfocus --sync "$window"
  sleep 0.5
  shot "$name" >/dev/null
  xdotool key "$key"
  wait_exit "$pid" 5
  [ "$EXIT_STATUS" = 0 ] || fail "quellar $*: status $EXIT_STATUS after $key: $(cat "$WORK/stderr")"
}

dialog notice '^QuellarScreensaver$' Return /a
[ ! -e "$QUELLAR_REGISTRY" ] || fail "the notice opened the settings store"
note "dialogs: ok"
