#!/usr/bin/env bash
# Command lines that start no run end at once without a window, without a word and without
# the settings store; without a display a run fails clearly and the notice goes to stderr.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 640x480

# run_at_once EXPECTED_STATUS ARGS...: runs quellar and checks it ends at once, as expected.
run_at_once() {
  local expected=$1
  shift
  "$QUELLAR" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
  wait_exit $! 3
  [ "$EXIT_STATUS" = "$expected" ] || fail "quellar $*: status $EXIT_STATUS, expected $expected"
  [ ! -e "$QUELLAR_REGISTRY" ] || fail "quellar $*: the settings store was opened"
  [ ! -s "$WORK/stdout" ] || fail "quellar $*: wrote to stdout: $(cat "$WORK/stdout")"
}

top_windows() { xwininfo -root -tree | grep -c '^ *0x' || true; }
windows_before=$(top_windows)
for switch in /x -s s; do
  run_at_once 0 "$switch"
  [ ! -s "$WORK/stderr" ] || fail "quellar $switch: wrote to stderr: $(cat "$WORK/stderr")"
done
# A preview without a host window, or with one that does not exist, has nothing to live in.
run_at_once 0 /p
run_at_once 0 /p 12345
[ "$(top_windows)" = "$windows_before" ] || fail "a window was left: $(xwininfo -root -tree)"

export DISPLAY=:nonexistent.0
run_at_once 1 /s
grep -qF 'quellar: cannot open the X display ":nonexistent.0"' "$WORK/stderr" ||
  fail "without a display: $(cat "$WORK/stderr")"
run_at_once 1 /p 12345
run_at_once 0 /a
[ "$(cat "$WORK/stderr")" = "QuellarScreensaver: Sorry, this function is not available." ] ||
  fail "the notice without a display: $(cat "$WORK/stderr")"
unset DISPLAY
run_at_once 1
grep -qF 'DISPLAY is not set' "$WORK/stderr" || fail "without DISPLAY: $(cat "$WORK/stderr")"
note "switches: ok"
