#!/usr/bin/env bash
# A full-screen run: a black override-redirect window over the whole screen, the pointer
# hidden and the screen-saver flag on the root window while it runs; a second "/s" meanwhile
# ends at once; Escape ends the run, gives the desktop back and stores the settings.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
source "$(dirname "$0")/screen_lib.sh"
start_x11_test 1024x768

[ "$(pointer_state)" = visible ] || fail "the pointer of a bare server is not visible"
[ -z "$(screen_windows)" ] || fail "a bare server already has a full-screen window"

start_saver
info=$(xwininfo -id "$SAVER_WINDOW")
for line in "Absolute upper-left X:  0" "Absolute upper-left Y:  0" "Width: 1024" "Height: 768" \
    "Map State: IsViewable" "Override Redirect State: yes"; do
  grep -qF "$line" <<<"$info" || fail "window $SAVER_WINDOW: no \"$line\" in: $info"
done
# The background is white: nothing but the colours of the rain means the window covers it all.
screen=$(shot fullscreen)
[ -z "$(stray_colours "$screen")" ] || fail "the window does not cover the screen: $screen"
[ "$(pointer_state)" = hidden ] || fail "the pointer is visible during the run"

# Another "/s" while a run is on and the flag is set ends at once, touching nothing.
QUELLAR_REGISTRY="$WORK/second.sqlite3" "$QUELLAR" /s &
second=$!
wait_exit "$second" 3
[ "$EXIT_STATUS" = 0 ] || fail "a second /s did not end at once with 0 ($EXIT_STATUS)"
[ ! -e "$WORK/second.sqlite3" ] || fail "a second /s opened the settings store"
[ "$(screen_windows)" = "$SAVER_WINDOW" ] || fail "a second /s changed the full-screen windows"

end_with_escape

stored=$(sqlite3 "$QUELLAR_REGISTRY" \
  "SELECT name || '=' || hex(data) FROM registry_values
   WHERE name IN ('speed', 'chain', 'randm') ORDER BY name")
expected=$'chain=1C\nrandm=5472756500\nspeed=29'
[ "$stored" = "$expected" ] || fail "stored settings: $stored; expected: $expected"
note "full-screen run: ok"
