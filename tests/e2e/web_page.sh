#!/usr/bin/env bash
# web_page.sh: the page as a visitor sees it in a browser: rain over the whole viewport; the
# hotkeys announced, F1's help, Space's failure box and message, a second Space ends the run and
# keeps its last frame; a key or a click starts a new run, pointer movements leave it going, a
# double click ends it; a resize starts a run at the new size; the settings outlive a reload,
# the running run's among them; and the page takes only its own keys from the browser.
source "$(dirname "$0")/web_lib.sh"
open_page
web key NumpadAdd
wait_for 1 screen_shows shows_osd "SPEED:  97 " || fail "keypad + is not announced"
osd_gone() { ! shows_osd "$1" "SPEED:  97 "; }
wait_for 4 screen_shows osd_gone || fail "the announcement stays"
# By now the rain has filled enough of the screen.
expect_rain
while read -r code announcement; do
  web key "$code"
  wait_for 1 screen_shows shows_osd "$announcement " || fail "$code is not announced"
done <<'END'
NumpadSubtract SPEED:  96
NumpadMultiply CHAIN LENGTH: 28
NumpadDivide CHAIN LENGTH: 27
Enter RANDOM DELETING OFF
Home SETTINGS RESETED
NumpadAdd SPEED:  97
END

# The last announcement goes before the failure, whose picture must then stand still.
wait_for 4 screen_shows osd_gone || fail "the announcement stays"
# A listener of the page's visitor, after the page's own, sees which keys the page took.
page 'window.taken = []; addEventListener("keydown", (e) => taken.push(e.defaultPrevented))'
web key F1
wait_for 2 screen_shows same_as_art 32 100 help.bmp || fail "F1 does not show the help panel"
web key KeyA
web key F5
web key Space
[ "$(page taken)" = "[true,false,false,true]" ] || fail "F1, KeyA, F5, Space taken: $(page taken)"
wait_for 2 screen_shows same_as_art 376 367 failbox.bmp || fail "no failure box at (376, 367)"
wait_for 5 screen_shows failure_typed || fail "the failure message is not typed along the bottom"
still=$(shot failure)
web key Space
wait_for 2 page_is 'quellar.ended' || fail "the second Space does not end the run"
page_is 'getComputedStyle(document.getElementById("ended")).display !== "none"' ||
  fail "the end of the run is not shown"
unchanged "$still" "$(shot ended)" || fail "the run's last frame is not kept"

web key KeyA
wait_for 2 page_is 'quellar.runs === 2 && !quellar.ended' || fail "a key does not start a new run"
for x in {1..20}; do web move "$x" 50; done
page_is '!quellar.ended' || fail "pointer movements end the run"
web dblclick 200 200
wait_for 2 page_is 'quellar.ended' || fail "a double click does not end the run"
web click 100 100
wait_for 2 page_is 'quellar.runs === 3 && !quellar.ended' || fail "a click does not start a new run"

web resize 1280x720
wait_for 2 page_is 'quellar.runs === 4' || fail "a resize starts no new run"
wait_for 3 screen_shows rain_on 3 1280x720+0+0 || fail "no rain after the resize"
[ "$(identify -format %wx%h "$SHOTS/screen.png")" = 1280x720 ] || fail "the canvas is not resized"
# What the run going when the page closes has set is stored, and read back after a reload.
web key NumpadAdd
wait_for 1 screen_shows shows_osd "SPEED:  98 " || fail "keypad + is not announced after the resize"
web reload
wait_for 5 page_is 'quellar.runs === 1' || fail "no run after the reload"
web key NumpadAdd
wait_for 1 screen_shows shows_osd "SPEED:  99 " || fail "the stored speed was not read back"
note "the page: ok"
