#!/usr/bin/env bash
# wine_closed.sh ARCH SCR HOST_DIR: a full-screen run whose window is closed from outside (as
# Alt+F4 does) still gives the desktop back: the screen-saver flag is cleared.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
start_saver /s
await_window '^Quellar$' 20
expect_equal "saver flag while running" "$(spi_running)" 1
wine_run "$HOST_DIR/window_query.exe" Quellar close || fail "the window cannot be closed"
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "saver flag after" "$(spi_running)" 0
note "closed from outside: ok"
