#!/usr/bin/env bash
# Command lines that start no run end at once with no window, and /a shows its notice until it
# is closed; none of them writes the settings key.
source "$(dirname "$0")/wine_lib.sh"
start_wine_test

# A preview with no host window, or one that does not exist, has nothing to live in.
for switch in /x -s s /p "/p 12345"; do
  start_saver $switch
  expect_exit 0 "$switch"
  [ -z "$(find_window '^Quellar')" ] || fail "$switch left a window"
done
start_saver /a
await_window '^QuellarScreensaver$'
xdotool mousemove --window "$(find_window '^QuellarScreensaver$' | head -n 1)" 20 20 key Return
expect_exit 0 "the notice closed"
[ -z "$(stored_values)" ] || fail "the settings key was written"
note "switches: ok"
