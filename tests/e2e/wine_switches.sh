#!/usr/bin/env bash
# The modes besides a full-screen run. Command lines that start no run end at once with no
# window, and /a shows its notice until it is closed; none of them writes the settings key. /p
# places the program's window inside a host's window and ends when the host destroys that
# window, storing no setting and leaving the screen-saver flag alone (Wine draws no child window
# of another process: the host checks the window tree, not pixels).
source "$(dirname "$0")/wine_lib.sh"
start_wine_test

# A preview with no host window, or one that does not exist, has nothing to live in.
for switch in /x -s s /p "/p 12345"; do
  start_saver $switch
  expect_exit "$SAVER" 0 "$switch"
  [ -z "$(find_window '^Quellar')" ] || fail "$switch left a window"
done
start_saver /a
await_window '^QuellarScreensaver$'
xdotool mousemove --window "$(find_window '^QuellarScreensaver$' | head -n 1)" 20 20 key Return
expect_exit "$SAVER" 0 "the notice closed"
[ -z "$(stored_values)" ] || fail "the settings key was written"

probe preview "$(windows_path "$QUELLAR_SCR")" || fail "no preview in its host"
expect_equal "saver flag after the preview" "$(probe spi)" 0
expect_equal "values after the preview" "$(stored_values | cut -d' ' -f1 | xargs)" \
  "Exe_Name Install_Dir versionMajor versionMinor versionRevision"
note "modes besides a full-screen run: ok"
