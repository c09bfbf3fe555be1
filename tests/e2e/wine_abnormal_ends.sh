#!/usr/bin/env bash
# Runs that do not end in the program's own ways still give the desktop back: a window closed
# from outside (as Alt+F4 does), and a run-time error at start-up (a bitmap resource missing),
# which also says so in one line and ends with exit code 1.
source "$(dirname "$0")/wine_lib.sh"
start_wine_test

start_run /s
probe close Quellar || fail "the window cannot be closed"
expect_exit "$SAVER" 0 "the window closed"
expect_equal "saver flag after the window closed" "$(probe spi)" 0

PROGRAM=$SAVER_WITHOUT_BITMAPS start_saver /s
expect_exit "$SAVER" 1 "a run-time error"
expect_equal "error line" "$(tr -d '\r' <"$WORK/stderr")" \
  "Quellar: run-time error: bitmap resource 101 cannot be loaded"
[ -z "$(find_window '^Quellar$')" ] || fail "a run-time error left a window"
expect_equal "saver flag after a run-time error" "$(probe spi)" 0
note "abnormal ends: ok"
