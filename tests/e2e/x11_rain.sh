#!/usr/bin/env bash
# The rain on the screen: after three seconds of a full-screen run many cells are green, every
# pixel has a colour of the glyph sheet (crisp glyphs, nothing torn or stray), and half a
# second later the picture has moved on. Escape ends the run and gives the desktop back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/x11_lib.sh"
start_x11_test 1024x768

# check_rain FILE: enough green, and no colour that the glyph sheet does not have.
check_rain() {
  local counts strays green
  counts=$(colour_counts "$1")
  strays=$(stray_colours "$1")
  [ -z "$strays" ] || fail "$1 has colours the glyph sheet has not: $(head -5 <<<"$strays")"
  # Per mille of the pixels whose green outweighs red and blue.
  green=$(awk '$3 > $2 && $3 > $4 { n += $1 } { all += $1 } END { print int(1000 * n / all) }' \
    <<<"$counts")
  [ "$green" -gt 20 ] || fail "$1: only $green per mille of the pixels are green"
  note "$(basename "$1"): $green per mille green, $(wc -l <<<"$counts") colours"
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

xdotool key Escape
wait_exit "$SAVER" 3
if [ "$EXIT_STATUS" = running ]; then
  xdotool key Escape
  wait_exit "$SAVER" 5
fi
[ "$EXIT_STATUS" = 0 ] || fail "Escape did not end the run with status 0 ($EXIT_STATUS)"
[ ! -s "$WORK/stderr" ] || fail "the run wrote to stderr: $(cat "$WORK/stderr")"
expect_desktop_back
note "rain: ok"
