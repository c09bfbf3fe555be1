#!/usr/bin/env bash
# Hotkeys on X11 as a user presses them: keypad + is announced and, after a double click, the
# faster speed is stored; F1 shows the help panel; Space shows the failure box and types the
# message, and a second Space ends the run with the desktop given back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
source "$(dirname "$0")/screen_lib.sh"
start_x11_test 1024x768

stored() {
  sqlite3 "$QUELLAR_REGISTRY" "SELECT hex(data) FROM registry_values WHERE name = '$1'"
}

start_saver
sleep 1
xdotool key KP_Add
wait_for 1 shows_osd "$(shot osd)" "SPEED:  97 " || fail "keypad + is not announced"
xdotool mousemove 200 200 click --repeat 2 --delay 80 1
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 0 ] || fail "the double click did not end the run ($EXIT_STATUS)"
expect_desktop_back
[ "$(stored speed)" = 1F ] || fail "speed 31 was not stored: $(stored speed)"

start_saver
sleep 1
xdotool key F1
panel_shown() { same_as_art "$(shot help)" 32 100 help.bmp; }
wait_for 1 panel_shown || fail "F1 does not show the help panel"
xdotool key space
box_shown() { same_as_art "$(shot failure-box)" 376 367 failbox.bmp; }
wait_for 1 box_shown || fail "the failure box is not at (376, 367)"
sleep 2.5
final=$(shot failure-typed)
# The message row: positions 1 to 16 dim, the blank at 17, as the glyph sheet draws them.
expected=$(glyph_cells 2 40 36 0 24 8 41 42 37 39 0 45 0 43 1 1 44; glyph_cells 0 0)
[ "$(tiles "$final" 272x20+16+740 16x20)" = "$expected" ] || fail "the typed message is wrong"
[ "$(digest "$final")" = "$(digest "$(shot frozen)")" ] || fail "the picture is not frozen"
xdotool key space
wait_exit "$SAVER" 5
[ "$EXIT_STATUS" = 0 ] || fail "the second Space did not end the run ($EXIT_STATUS)"
expect_desktop_back
[ "$(stored speed)" = 1F ] || fail "the stored speed changed: $(stored speed)"
note "hotkeys: ok"
