#!/usr/bin/env bash
# wine_settings.sh ARCH SCR HOST_DIR: /c:1312 opens the settings window (the appended handle
# is ignored) and the program ends when it is closed.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
start_saver /c:1312
await_window 'Screensaver by Tovenlab$' 20
dialog=$(find_window 'Screensaver by Tovenlab$' | head -1)
expect_equal "caption" "$(xdotool getwindowname "$dialog")" "Quellar™ Screensaver by Tovenlab"
note "settings: $(screenshot settings)"
point_at_window "$dialog"
xdotool key Return
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
note "settings: ok"
