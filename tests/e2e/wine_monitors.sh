#!/usr/bin/env bash
# A full-screen run over two monitors, their rectangles given to the program (Wine reports one
# monitor whatever the display has): the window covers both and each shows rain of the glyph
# sheet's cells; F1's help, Space's failure box and the message band land on the primary
# monitor, on the right and shorter, where a run on that monitor alone puts them; the other
# monitor's rain stands still with the failure sequence, painting the window again shows the
# same, and it stays so when a monitor is added.
source "$(dirname "$0")/wine_lib.sh"
start_wine_test 1024x768
echo 512x768+0+0,512x600+512+0* >"$WORK/monitors"
export QUELLAR_MONITORS=@$WORK/monitors

start_run /s
expect_equal "window" "$(probe window Quellar)" "0 0 1024x768 topmost borderless"
sleep 3
rain=$(shot rain)
rain_on "$rain" 101 512x760+0+0 512x600+512+0 || fail "a monitor has no rain"
xdotool key F1
wait_for 2 screen_shows same_as_art 544 100 help.bmp || fail "F1's help is not on the primary"
xdotool key space
wait_for 2 screen_shows same_as_art 632 283 failbox.bmp || fail "no failure box at (632, 283)"
wait_for 5 screen_shows failure_typed 528 580 || fail "no failure message on the primary"
[ "$(differing "$(shot still)" "$rain")" -gt 0 ] || fail "nothing changed"
still=$(shot still)
[ "$(digest "$still" 512x768+0+0)" = "$(digest "$(shot later)" 512x768+0+0)" ] ||
  fail "the other monitor's rain goes on during the failure sequence"
probe repaint Quellar || fail "the window cannot be painted again"
sleep 0.5
unchanged "$still" "$(shot repainted)" || fail "painted again, the monitors show another picture"
echo 512x768+0+0,512x600+512+0*,512x168+512+600 >"$WORK/monitors"
probe displaychange Quellar
sleep 0.5
[ "$(digest "$(shot added)" 1024x600+0+0)" = "$(digest "$still" 1024x600+0+0)" ] ||
  fail "a monitor added to the frozen screen changed the others"
xdotool click 3
expect_exit "$SAVER" 0 "a button after the failure sequence"
note "two monitors: ok"
