#!/usr/bin/env bash
# wine_help.sh ARCH SCR HOST_DIR: F1 puts the help panel at (32, 100) with the next tick, and
# the rain goes on around it; F1 again blacks out its cells and the row of cells below it, so
# that no pixel of the panel is left, only rain that has fallen in since.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
forget_settings

PANEL_CELLS=432x160+32+100  # 27 columns of 8 rows: the panel's 7 and the row below

panel_on_screen() { same_as_art "$(screenshot help-shown)" 32 100 help.bmp; }
# Every cell where the panel was is a cell of the glyph sheet, blank or rain.
panel_gone() { [ "$(foreign_cells "$(screenshot help-hidden)" "$PANEL_CELLS")" = 0 ]; }

start_full_screen
sleep 2
xdotool key F1
wait_for 2 panel_on_screen || fail "the help panel is not at (32, 100)"
sleep 0.5
shown=$(screenshot help-shown)
same_as_art "$shown" 32 100 help.bmp || fail "the rain draws over the help panel"
changed=$(compare -metric AE "$shown" "$(screenshot help-later)" null: 2>&1 || true)
[ "$changed" -gt 0 ] 2>/dev/null || fail "the rain stopped beside the help panel"

xdotool key F1
wait_for 2 panel_gone || fail "the help panel is still on the screen"
note "help hidden: $(blank_cells "$SHOT_DIR/help-hidden.png" "$PANEL_CELLS") of 216 cells blank"
double_click
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
note "help panel: ok"
