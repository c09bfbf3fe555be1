#!/usr/bin/env bash
# wine_skip_failure.sh ARCH SCR HOST_DIR: with the failure screen switched off (SysFailScreen
# stored as 1) the first Space ends the run, with no failure box, and stores the settings as
# every other way out does.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings
store_byte SysFailScreen 01

start_full_screen
xdotool key KP_Add
expect_osd "SPEED:  97 "
xdotool key space
# Until the window has gone, whatever shows of the run has no failure box.
for ((shots = 0; shots < 100; shots++)); do
  find_window '^Quellar$' >/dev/null || break
  shot=$(screenshot no-failure-box)
  same_as_art "$shot" 376 367 failbox.bmp && fail "a failure box shows: $shot"
done
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "saver flag after" "$(spi_running)" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 1F"
expect_equal "SysFailScreen" "$(registry_value SysFailScreen)" "REG_BINARY 01"
note "no failure screen ($shots screenshots before the window went): ok"
