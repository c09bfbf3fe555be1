#!/usr/bin/env bash
# Pointer input of a full-screen run started with no switch at all, from what was stored: with
# MouseMove on, seven movements leave it going (the move Wine sends as the window appears, the
# pointer where it was, is none) and it answers keys at the stored speed; a double click ends it
# and the speed is stored. The eighth movement is the settings scenario's.
source "$(dirname "$0")/wine_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
start_wine_test 1024x768
store_byte MouseMove 01
store_byte speed 1F

start_run
move_pointer 7
xdotool key KP_Add
wait_for 1 screen_shows shows_osd "SPEED:  98 " || fail "seven movements ended the run"
# Where the pointer rests: one more movement would end the run too.
xdotool click --repeat 2 --delay 80 1
expect_exit "$SAVER" 0 "a double click"
expect_equal "saver flag after the run" "$(probe spi)" 0
expect_equal "stored speed" "$(stored_values | grep '^speed')" "speed REG_BINARY 15"
note "pointer input: ok"
