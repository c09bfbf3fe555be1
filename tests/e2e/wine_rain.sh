#!/usr/bin/env bash
# wine_rain.sh ARCH SCR HOST_DIR: the rain as Windows draws it. After three seconds of a
# full-screen run many cells are green, every pixel has a colour of the glyph sheet and every
# whole cell of the grid is a cell of the sheet (GDI copied the glyphs unchanged and on the
# grid), and half a second later the picture has moved on.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings
start_full_screen
sleep 3
first=$(screenshot rain-1)
sleep 0.5
second=$(screenshot rain-2)

for shot in "$first" "$second"; do
  green=$(green_per_mille "$shot")
  [ "$green" -gt 20 ] || fail "$shot: only $green pixels in a thousand are green"
  strays=$(stray_colours "$shot")
  [ -z "$strays" ] || fail "$shot has colours the glyph sheet has not: $(head -3 <<<"$strays")"
  # 38 whole rows of cells; the last 8 pixel rows are the top of the 39th.
  foreign=$(foreign_cells "$shot" 1024x760+0+0)
  expect_equal "cells of $shot that are no glyph" "$foreign" 0
  note "$(basename "$shot"): $green per mille green, $(blank_cells "$shot" 1024x760+0+0) of 2432 cells blank"
done
changed=$(compare -metric AE "$first" "$second" null: 2>&1 || true)
[ "$changed" -gt 0 ] 2>/dev/null || fail "the rain did not move in half a second ($changed)"

double_click
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
note "rain: ok"
