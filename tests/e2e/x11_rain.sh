#!/usr/bin/env bash
# The rain on the screen: after three seconds of a full-screen run many cells are green, every
# pixel has a colour of the glyph sheet (crisp glyphs, nothing torn or stray), and half a
# second later the picture has moved on. Escape ends the run and gives the desktop back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
source "$(dirname "$0")/screen_lib.sh"
start_x11_test 1024x768

# check_rain FILE: enough green, and no colour that the glyph sheet does not have.
check_rain() {
  local strays green
  strays=$(stray_colours "$1")
  [ -z "$strays" ] || fail "$1 has colours the glyph sheet has not: $(head -5 <<<"$strays")"
  green=$(green_per_mille "$1")
  [ "$green" -gt 20 ] || fail "$1: only $green per mille of the pixels are green"
  note "$(basename "$1"): $green per mille green"
}

start_saver
sleep 3
first=$(shot rain-1)
sleep 0.5
second=$(shot rain-2)
check_rain "$first"
check_rain "$second"
changed=$(compare -metric AE "$first" "$second" null: 2>&1 || true)
[ "${changed%% *}" -gt 100 ] 2>/dev/null || fail "the rain did not move in half a second ($changed)"

end_with_escape
xprop -root _QUELLAR_SCREENSAVER_RUNNING | grep -q 'not found' ||
  fail "the root window keeps the screen-saver property after the run"
note "rain: ok"
