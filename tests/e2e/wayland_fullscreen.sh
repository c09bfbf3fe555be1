#!/usr/bin/env bash
# A full-screen run on sway over two outputs: the one at the origin, the primary, made second,
# the other drawn at twice the scale. Rain on both, in cells of 16x20 device pixels; keypad +
# announced and F1's help on the primary only; a button on the other output starts the failure
# sequence, with its box and message on the primary while the other stands still; Space ends it
# and gives the outputs back. The next run reads what was stored, repeats a held key, covers an
# output added during the run within a second and ends on a double click. A second /s beside a
# run ends at once; SIGTERM ends a run, storing what its hotkeys changed.
source "$(dirname "$0")/wayland_lib.sh"
start_sway
add_output HEADLESS-1 640x480 1280 0 2
add_output HEADLESS-2 1280x720 0 0
PRIMARY=HEADLESS-2
outputs=(HEADLESS-1 HEADLESS-2)

start_wayland_saver "${outputs[@]}"
sleep 3
expect_rain 1280x720+0+0
rain_on "$(shot scaled HEADLESS-1)" 21 640x480+0+0 ||
  fail "no rain of 16x20 device pixels to a cell on the scaled output"
keys -k KP_Add
wait_for 1 screen_shows shows_osd "SPEED:  97 " || fail "keypad + is not announced"
keys -k F1
wait_for 2 screen_shows same_as_art 32 100 help.bmp || fail "F1 does not show the help panel"
scaled=$(shot scaled-help HEADLESS-1)
! shows_osd "$scaled" "SPEED:  97 " && ! same_as_art "$scaled" 32 100 help.bmp ||
  fail "the announcement or the help panel is on the other output"
pointer move 1440 120 1600 720
pointer click right
wait_for 2 screen_shows same_as_art 504 343 failbox.bmp || fail "a button shows no failure box"
wait_for 5 screen_shows failure_typed 16 700 || fail "the failure message is not typed"
unchanged "$(shot still HEADLESS-1)" "$(sleep 0.5 && shot later HEADLESS-1)" ||
  fail "the other output's rain goes on during the failure sequence"
keys -k space
end_wayland_saver 0 "Space in the failure sequence" "${outputs[@]}"
[ "$(stored speed)" = 1F ] || fail "speed 31 was not stored: $(stored speed)"

start_wayland_saver "${outputs[@]}"
keys -k KP_Add
wait_for 1 screen_shows shows_osd "SPEED:  98 " || fail "the stored speed was not read back"
# Two more steps reach the fastest speed: held, the key repeats well before 1.5 s.
keys -P KP_Add -s 1500 -p KP_Add
wait_for 1 screen_shows shows_osd "SPEED: 100 " || fail "a held key does not repeat"
add_output HEADLESS-3 320x240 0 720
sleep 1
covered HEADLESS-3 || fail "the output added during the run is not covered within a second"
pointer double-click
end_wayland_saver 0 "a double click" "${outputs[@]}" HEADLESS-3
[ "$(stored speed)" = 01 ] || fail "speed 1 was not stored: $(stored speed)"

start_wayland_saver "${outputs[@]}" HEADLESS-3
QUELLAR_REGISTRY="$WORK/second.sqlite3" "$QUELLAR" /s &
expect_exit $! 0 "a second /s beside a run"
keys -k KP_Subtract
wait_for 1 screen_shows shows_osd "SPEED:  99 " || fail "keypad - is not announced"
kill -TERM "$SAVER"
end_wayland_saver 0 "SIGTERM" "${outputs[@]}" HEADLESS-3
[ "$(stored speed)" = 0B ] || fail "SIGTERM: speed 11 was not stored: $(stored speed)"
note "Wayland full-screen run: ok"
