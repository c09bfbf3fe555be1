#!/usr/bin/env bash
# wine_mouse.sh ARCH SCR HOST_DIR: with MouseMove stored as 1 the eighth movement of the pointer
# ends the run and seven do not; the move Wine sends as the window appears, with the pointer
# where it was, is no movement. With MouseMove 0 movement is ignored.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings

# move_pointer FIRST LAST: steps the pointer to a new place for each number; the pauses keep
# the steps apart as separate moves.
move_pointer() {
  local step
  for ((step = $1; step <= $2; step++)); do
    xdotool mousemove $((100 + 20 * step)) 300
    sleep 0.25
  done
}

# still_running_after_moves KEY TEXT MOVES: the program has handled the moves and runs on: it
# handles input in order, and the key after them shows TEXT.
still_running_after_moves() {
  xdotool key "$1"
  wait_for 1 osd_on_screen "$2" || fail "after $3 moves the run does not answer $1 (ended?)"
  saver_running || fail "the run ended after $3 moves"
}

store_byte MouseMove 01
start_full_screen
move_pointer 1 7
still_running_after_moves KP_Add "SPEED:  97 " 7
move_pointer 8 8
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "saver flag after" "$(spi_running)" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 1F"

store_byte MouseMove 00
start_full_screen
move_pointer 1 12
still_running_after_moves KP_Subtract "SPEED:  96 " 12
double_click
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 29"
note "mouse movement: ok"
