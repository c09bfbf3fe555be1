#!/usr/bin/env bash
# wine_failure.sh ARCH SCR HOST_DIR: Space freezes the rain and plays the system failure: the
# box in the middle of the screen, the message typed along the bottom in the dim shade, then a
# still picture. A second Space ends the run in order: the pointer shown again, the system told
# that no screen saver runs, the settings stored.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings

# The message, as glyphs of the sheet: positions 1 to 16 end in the dim shade, 17 is the blank.
MESSAGE=(40 36 0 24 8 41 42 37 39 0 45 0 43 1 1 44)
MESSAGE_ROW=740  # the lowest whole row of cells of a 768-pixel screen

message_on_screen() {
  [ "$(tiles "$(screenshot failure-message)" "272x20+16+$MESSAGE_ROW" 16x20)" = \
    "$(glyph_cells 2 "${MESSAGE[@]}"; glyph_cells 0 0)" ]
}

start_full_screen
# Long enough for the rain to reach the bottom, so that the message's band has rain to clear.
sleep 2.5
xdotool key space
wait_for 2 failure_box_on_screen || fail "no failure box at (376, 367)"
wait_for 5 message_on_screen || fail "the message is not typed at y = $MESSAGE_ROW"
still=$(screenshot failure-still)
# The band is cleared: the row above the message and the first cell of the message row, and
# the top of the row below, which the screen cuts to 8 pixels.
expect_equal "blank cells above the message" "$(blank_cells "$still" 288x20+0+720)" 18
expect_equal "blank cell before the message" "$(blank_cells "$still" 16x20+0+$MESSAGE_ROW)" 1
expect_equal "brightest below the message" "$(convert "$still" -crop 288x8+0+760 -format "%[fx:maxima]" info:)" 0
sleep 0.5
expect_equal "pixels changed after the end of the sequence" \
  "$(compare -metric AE "$still" "$(screenshot failure-later)" null: 2>&1 || true)" 0

start_pointer_probe
expect_equal "pointer display count while running" "$POINTER_RUNNING" -1
expect_equal "saver flag while running" "$(spi_running)" 1
xdotool key space
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
await_pointer_probe
expect_equal "pointer display count at the end" "$POINTER_LAST" 0
expect_equal "saver flag after" "$(spi_running)" 0
expect_equal "speed" "$(registry_value speed)" "REG_BINARY 29"
expect_equal "chain" "$(registry_value chain)" "REG_BINARY 1C"
expect_equal "randm" "$(registry_value randm)" "REG_SZ True"
note "failure sequence: ok"
