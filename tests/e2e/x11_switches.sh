#!/usr/bin/env bash
# Command lines that start no run end at once without a window, without a word and without
# the settings store; a switch decides by its first two characters, whatever follows it; a
# settings file the program cannot use stops no run; without a display a run and the dialog fail
# clearly, the notice goes to stderr, --help and --version need none.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test

# run_at_once STATUS ARGS...: quellar ends at once with STATUS, printing nothing on stdout and
# leaving the store alone.
run_at_once() {
  "$QUELLAR" "${@:2}" >"$WORK/stdout" 2>"$WORK/stderr" &
  expect_exit $! "$1" "quellar ${*:2}"
  [ ! -e "$QUELLAR_REGISTRY" ] || fail "quellar ${*:2}: the settings store was opened"
  [ ! -s "$WORK/stdout" ] || fail "quellar ${*:2}: wrote to stdout: $(cat "$WORK/stdout")"
}
expect_said() { [ "$(cat "$WORK/stderr")" = "$1" ] || fail "$2 said: $(cat "$WORK/stderr")"; }

windows_before=$(xwininfo -root -tree)
for switch in /x -s s; do
  run_at_once 0 "$switch"
  expect_said "" "quellar $switch"
done
# A preview without a host window, or with one that does not exist, has nothing to live in.
run_at_once 0 /p
run_at_once 0 /p 12345
[ "$(xwininfo -root -tree)" = "$windows_before" ] || fail "a window was left"

# Here a directory: the run starts with the defaults and says why, once. A guest's option after
# the switch is no guest's line.
QUELLAR_REGISTRY=$WORK start_saver /S --root
xdotool key KP_Add
wait_for 2 screen_shows shows_osd "SPEED:  97 " || fail "no run with the default speed"
xdotool mousemove 200 200 click --repeat 2 --delay 80 1
end_saver 0 "a double click"
expect_said "quellar: settings store \"$WORK\" cannot be opened: Is a directory; the default \
settings are used and nothing is saved" "a run with a directory for its settings"

export DISPLAY=:nonexistent.0
run_at_once 1 /s
expect_said 'quellar: cannot open the X display ":nonexistent.0"' "/s without a display"
run_at_once 1 /p 12345
run_at_once 1 /c
expect_said 'quellar: cannot open the X display ":nonexistent.0"' "/c without a display"
run_at_once 0 /a
expect_said "QuellarScreensaver: Sorry, this function is not available." "/a without a display"
unset DISPLAY
version=$("$QUELLAR" --version) && [ "$version" = "quellar 2.0.0" ] || fail "--version: $version"
"$QUELLAR" --help | grep -q '^  --window-id WINDOW ' || fail "--help names no --window-id"
run_at_once 1
expect_said "quellar: no X display: DISPLAY is not set" "a run without DISPLAY"
note "switches: ok"
