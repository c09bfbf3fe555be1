#!/usr/bin/env bash
# wine_no_run.sh ARCH SCR HOST_DIR: switches the program does not know end it at once, with
# no window and no registry access.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
forget_settings
for switch in /x -s s; do
  run_saver 15 "$switch"
  expect_equal "exit code of $switch" "$SAVER_EXIT" 0
  [ -z "$(find_window '^Quellar')" ] || fail "$switch left a window"
done
key_exists && fail "the settings key was written"
note "no run: ok"
