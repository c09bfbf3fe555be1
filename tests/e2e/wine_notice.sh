#!/usr/bin/env bash
# wine_notice.sh ARCH SCR HOST_DIR: /a shows the notice box, and the program ends when it is
# closed, without touching the settings.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
forget_settings
start_saver /a
await_window '^QuellarScreensaver$' 20
box=$(find_window '^QuellarScreensaver$' | head -1)
note "notice: $(screenshot notice)"
point_at_window "$box"
xdotool key Return
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
key_exists && fail "the settings key was written"
note "notice: ok"
