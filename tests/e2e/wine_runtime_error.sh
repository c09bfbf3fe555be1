#!/usr/bin/env bash
# wine_runtime_error.sh ARCH SAVER_WITHOUT_BITMAPS HOST_DIR: a run-time error at start-up (here
# a bitmap resource that is missing) ends the program with exit code 1 and one line naming the
# error on its standard error, and leaves no window and no screen-saver flag behind.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
start_saver /s 2>"$WORK_DIR/stderr"
await_saver_exit 20
expect_equal "exit code" "$SAVER_EXIT" 1
expect_equal "error line" "$(tr -d '\r' <"$WORK_DIR/stderr")" \
  "Quellar: run-time error: bitmap resource 101 cannot be loaded"
[ -z "$(find_window '^Quellar$')" ] || fail "a window is left"
expect_equal "saver flag after" "$(spi_running)" 0
note "run-time error: ok"
