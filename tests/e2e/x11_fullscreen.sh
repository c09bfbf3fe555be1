#!/usr/bin/env bash
# x11_fullscreen.sh [XVFB_OPTION...]: a full-screen run as a user sees it (through shared memory,
# or plain requests on a server without MIT-SHM): an override-redirect window over the screen,
# no pointer; moving rain of the glyph sheet's cells; keypad + announced for two seconds; F1's
# help; Space's failure box, message and still picture, shown again where a window covered it;
# a second Space ends the run in order. The next run starts from what was stored; a double
# click ends it.
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 1024x768 "$@"
[ "$(pointer_state)" = visible ] || fail "the pointer of a bare server is not visible"

start_saver
grep -q "Override Redirect State: yes" <(xwininfo -id "$SAVER_WINDOW") || fail "not override-redirect"
[ "$(pointer_state)" = hidden ] || fail "the pointer is visible during the run"
! grep -q libgtk "/proc/$SAVER/maps" || fail "a run loaded GTK"
sleep 3
expect_rain

xdotool key KP_Add
wait_for 1 screen_shows shows_osd "SPEED:  97 " || fail "keypad + is not announced"
# Gone after two seconds, before anything else must stand still.
osd_gone() { ! shows_osd "$1" "SPEED:  97 "; }
wait_for 4 screen_shows osd_gone || fail "the announcement stays"
xdotool key F1
wait_for 2 screen_shows same_as_art 32 100 help.bmp || fail "F1 does not show the help panel"
xdotool key space
wait_for 2 screen_shows same_as_art 376 367 failbox.bmp || fail "no failure box at (376, 367)"
wait_for 5 screen_shows failure_typed || fail "the failure message is not typed along the bottom"
still=$(shot failure)
unchanged "$still" "$(shot still)" || fail "the picture is not still"
xev -geometry 200x150+300+300 -name cover >/dev/null &
cover=$!
wait_for 5 xdotool search --onlyvisible --name '^cover$' || fail "no window over the run"
! unchanged "$still" "$(shot covered)" || fail "the window over the run does not show"
kill "$cover"
wait_for 2 screen_shows unchanged "$still" || fail "what was covered is not shown again"
xdotool key space
end_saver 0 "the second Space"
stored=$(sqlite3 "$QUELLAR_REGISTRY" "SELECT name || '=' || CASE type WHEN 1 THEN
  rtrim(CAST(data AS TEXT), char(0)) ELSE hex(data) END FROM registry_values
  WHERE name IN ('speed', 'chain', 'randm', 'Install_Dir', 'Exe_Name', 'versionMajor')
  ORDER BY name")
expected="chain=1C
Exe_Name=quellar.exe
Install_Dir=$(dirname "$(realpath "$QUELLAR")")
randm=True
speed=1F
versionMajor=02000000"
[ "$stored" = "$expected" ] || fail "stored: $stored; expected: $expected"

start_saver
xdotool key KP_Add
wait_for 1 screen_shows shows_osd "SPEED:  98 " || fail "the stored speed was not read back"
xdotool mousemove 200 200 click --repeat 2 --delay 80 1
end_saver 0 "a double click"
[ "$(stored speed)" = 15 ] || fail "speed 21 was not stored: $(stored speed)"
note "full-screen run: ok"
