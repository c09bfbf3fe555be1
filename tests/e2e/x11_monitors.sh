#!/usr/bin/env bash
# A full-screen run over three monitors of different sizes declared through RandR, the primary
# neither first nor at the origin: the window covers them all and each shows rain of the glyph
# sheet's cells; F1's help, Space's failure box and the message band land on the primary where
# a run on that monitor alone puts them, and the other monitors' rain stands still with the
# failure sequence. A monitor dropped and another declared during the run is covered within a
# second; on the frozen screen, the monitors still there stay frozen.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 1600x1200
xrandr --setmonitor A 1024/260x768/195+0+432 screen
xrandr --setmonitor '*B' 576/150x1200/300+1024+0 none
xrandr --setmonitor C 320/80x240/60+0+0 none

start_saver
sleep 3
rain_on "$(shot rain)" 21 1024x760+0+432 576x1200+1024+0 320x240+0+0 || fail "a monitor has no rain"
xdotool key F1
wait_for 2 screen_shows same_as_art 1056 100 help.bmp || fail "F1's help is not on the primary"

xrandr --delmonitor C
xrandr --setmonitor D 400/100x300/75+400+0 none
sleep 1.2
rain_on "$(shot replugged)" 21 400x300+400+0 || fail "the monitor declared during the run has no rain"

xdotool key space
wait_for 2 screen_shows same_as_art 1176 583 failbox.bmp || fail "no failure box at (1176, 583)"
wait_for 5 screen_shows failure_typed 1040 1180 || fail "no failure message on the primary"
still=$(shot still)
[ "$(digest "$still" 1024x768+0+432)" = "$(digest "$(shot later)" 1024x768+0+432)" ] ||
  fail "another monitor's rain goes on during the failure sequence"
# On the frozen screen a monitor goes and one comes: the others stay as they were, the new one,
# which had no rain to freeze, is black.
xrandr --delmonitor D
xrandr --setmonitor E 320/80x240/60+0+0 none
sleep 1.2
changed=$(shot changed)
for part in 1024x768+0+432 576x1200+1024+0; do
  [ "$(digest "$changed" $part)" = "$(digest "$still" $part)" ] || fail "$part changed"
done
[ "$(blank_cells "$changed" 320x240+0+0)" = 240 ] || fail "the monitor added is not black"
xdotool key space
end_saver 0 "the second Space"
note "three monitors: ok"
