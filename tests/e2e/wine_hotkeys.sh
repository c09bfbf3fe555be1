#!/usr/bin/env bash
# wine_hotkeys.sh ARCH SCR HOST_DIR: keys of a full-screen run reach the program as Windows'
# virtual-key codes and show on the on-screen display at once; the settings they change are
# stored when a double click ends the run.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings

# Keypad + takes the interval from 41 to 31 ms: a speed of 97.
start_full_screen
xdotool key KP_Add
expect_osd "SPEED:  97 "
note "speed: $(screenshot speed)"
double_click
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 1F"
expect_equal "chain" "$(registry_value chain)" "REG_BINARY 1C"
expect_equal "randm" "$(registry_value randm)" "REG_SZ True"

# The next run starts from the stored speed; Enter switches random deleting off.
start_full_screen
xdotool key KP_Add
expect_osd "SPEED:  98 "
xdotool key Return
expect_osd "RANDOM DELETING OFF "
double_click
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 15"
expect_equal "randm" "$(registry_value randm)" "REG_SZ False"
note "hotkeys: ok"
