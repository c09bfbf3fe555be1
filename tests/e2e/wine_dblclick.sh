#!/usr/bin/env bash
# wine_dblclick.sh ARCH SCR HOST_DIR: an empty command line runs full screen too, a double
# click ends it in order, and the settings the run may change are stored.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings
start_saver
await_window '^Quellar$' 20
expect_equal "saver flag while running" "$(spi_running)" 1
xdotool mousemove 10 10 click --repeat 2 --delay 80 1
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "saver flag after" "$(spi_running)" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 29"
expect_equal "chain" "$(registry_value chain)" "REG_BINARY 1C"
expect_equal "randm" "$(registry_value randm)" "REG_SZ True"
note "double click: ok"
