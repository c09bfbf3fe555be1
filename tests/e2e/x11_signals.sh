#!/usr/bin/env bash
# Ending a run from outside: SIGTERM, SIGINT and SIGHUP end a full-screen run as a double click
# does (pointer, flag, settings); a preview just ends; a run whose display goes away still
# stores its settings.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 640x480

stored() {
  sqlite3 "$QUELLAR_REGISTRY" "SELECT hex(data) FROM registry_values WHERE name = '$1'"
}

for signal in TERM INT HUP; do
  start_saver
  xdotool key KP_Add
  sleep 0.3
  kill -s "$signal" "$SAVER"
  wait_exit "$SAVER" 5
  [ "$EXIT_STATUS" = 0 ] || fail "SIG$signal did not end the run in order ($EXIT_STATUS)"
  expect_desktop_back
  [ "$(stored speed)" = 1F ] || fail "SIG$signal: speed 31 not stored: $(stored speed)"
  sqlite3 "$QUELLAR_REGISTRY" "DELETE FROM registry_values WHERE name = 'speed'"
done

# A preview took nothing from the desktop and stores nothing.
coproc HOST { "$X11_PREVIEW_HOST" "$QUELLAR" 2>&1; }
read -r -t 10 answer <&"${HOST[0]}" || answer="no answer"
[ "$answer" = ready ] || fail "preview host: $answer"
preview=$(pgrep -n -f "^$QUELLAR /p") || fail "no preview process"
kill -s TERM "$preview"
wait_for 5 process_ended "$preview" || fail "SIGTERM did not end the preview"
[ -z "$(stored speed)" ] || fail "a preview stored its speed"
kill "$HOST_PID" 2>/dev/null || true

# The display goes away in the middle of a run.
start_saver
xdotool key KP_Add
sleep 0.3
stop_xvfb
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 1 ] || fail "a lost display did not end the run with status 1 ($EXIT_STATUS)"
[ "$(stored speed)" = 1F ] || fail "a lost display lost the settings: $(stored speed)"
note "signals: ok"
