# Shared by the settings dialog's end-to-end scripts, on Wine and on GTK, after lib.sh and
# screen_lib.sh: where the dialog's controls are, what its picture must show, and its whole
# story. Points are pixels of the dialog's client area, whose corner on the screen
# dialog_origin finds (DIALOG_X, DIALOG_Y), at 96 dots per inch: the helpers scale them to the
# density the dialog is drawn at, DIALOG_DPI, as the dialog scales its layout.
DIALOG_DPI=96
scaled() { echo $((($1 * DIALOG_DPI + 48) / 96)); }

SETTINGS_KEY_PATH='HKEY_LOCAL_MACHINE\SOFTWARE\Tovenlab\QuellarScreensaver'
SETTINGS_TITLE='Screensaver by Tovenlab$'
# The check boxes' squares, "x y", and the points to click: the squares and the middle of Close.
CH_MOUSE_BOX="32 96"
CH_FAIL_BOX="32 120"
CH_MOUSE_AT="39 104"
CH_FAIL_AT="39 128"
CLOSE_AT="396 92"

# dialog_origin WINDOW: the screen position of the window's client area. Without a window
# manager neither Wine nor GTK adds a frame, so the X window is the client area.
dialog_origin() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  DIALOG_X=$X
  DIALOG_Y=$Y
  local size
  size="$(scaled 449)x$(scaled 280)"
  [ "${WIDTH}x$HEIGHT" = "$size" ] || fail "the dialog is ${WIDTH}x$HEIGHT, not $size"
}

# click_at X Y: one click at a point of the client area; the pointer then rests where it
# lights up no control.
click_at() {
  xdotool mousemove $((DIALOG_X + $(scaled $1))) $((DIALOG_Y + $(scaled $2))) click 1
  xdotool mousemove $((DIALOG_X + $(scaled 440))) $((DIALOG_Y + $(scaled 140)))
}

# part X Y WIDTH HEIGHT: the geometry on the screen of a part of the client area.
part() { echo "$(scaled $3)x$(scaled $4)+$((DIALOG_X + $(scaled $1)))+$((DIALOG_Y + $(scaled $2)))"; }

# count_where SHOT X Y WIDTH HEIGHT FX: how many pixels of the part meet the fx condition.
count_where() {
  convert "$1" -crop "$(part "${@:2:4}")" +repage -fx "$6" -format '%[fx:round(mean*w*h)]' info:
}

# expect_banner SHOT: the banner is drawn at the corner (at 96 dots per inch at its natural
# size, above the version label pixel for pixel; else black where the art is), Line1 crosses it
# in the window's colour and the version is green.
expect_banner() {
  if [ "$DIALOG_DPI" = 96 ]; then
    [ "$(digest "$1" "$(part 0 0 449 40)")" = "$(digest "$ART_DIR/banner.bmp" 449x40+0+0)" ] ||
      fail "the banner is not drawn at the corner of $1"
  fi
  [ "$(count_where "$1" 300 48 80 14 'intensity<0.05')" = $(($(scaled 80) * $(scaled 14))) ] ||
    fail "no black banner field at the corner of $1"
  [ "$(digest "$1" "1x1+$((DIALOG_X + $(scaled 100)))+$((DIALOG_Y + $(scaled 63)))")" = \
    "$(digest "$1" "1x1+$((DIALOG_X + $(scaled 440)))+$((DIALOG_Y + $(scaled 272)))")" ] ||
    fail "Line1 is not in the window's colour in $1"
  [ "$(count_where "$1" 164 40 40 16 'g>0.35&&r<0.2&&b<0.2')" -ge 10 ] ||
    fail "no green version label over the banner in $1"
}

# expect_controls SHOT: dark text where the frames' captions, the hotkey lines, ChMouse's
# caption, Close and the notice are.
expect_controls() {
  local where
  for where in "16 72 80 12" "16 160 250 12" "32 184 225 68" "52 96 200 17" "380 84 35 17" \
    "8 264 353 13"; do
    [ "$(count_where "$1" $where 'intensity<0.45')" -ge 20 ] || fail "no text at $where in $1"
  done
}

# boxes SHOT: the digests of ChMouse's and ChFail's squares, short of where a focus mark around
# the caption begins; box SHOT 1|2: one of them.
boxes() { echo $(for at in "$CH_MOUSE_BOX" "$CH_FAIL_BOX"; do digest "$1" "$(part $at 15 17)"; echo; done); }
box() { boxes "$1" | cut -d' ' -f"$2"; }

# The dialog's looks through one script's steps, each against the screenshots before it.
# expect_first SHOT: nothing stored: the banner, the controls, and two clear boxes alike.
expect_first() {
  expect_banner "$1"
  expect_controls "$1"
  [ "$(box "$1" 1)" = "$(box "$1" 2)" ] || fail "the boxes of $1 differ"
}
# expect_forced SHOT: ChMouse checked has made ChFail checked and greyed.
expect_forced() { [ "$(box "$1" 1)" != "$(box "$1" 2)" ] || fail "the boxes of $1 are alike"; }
# expect_greyed SHOT FORCED: opened with MouseMove 1 and SysFailScreen 0, it shows as FORCED.
expect_greyed() { [ "$(boxes "$1")" = "$(boxes "$2")" ] || fail "$1 does not show as $2"; }
# expect_freed SHOT FORCED FIRST: ChMouse clear again, ChFail checked and no longer greyed.
expect_freed() {
  [ "$(boxes "$1")" = "$(box "$3" 1) $(box "$2" 1)" ] || fail "$1: ChFail is not freed"
}
# expect_mixed SHOT FIRST FORCED: ChFail indeterminate, neither clear nor checked.
expect_mixed() {
  [ "$(box "$1" 2)" != "$(box "$2" 2)" ] && [ "$(box "$1" 2)" != "$(box "$3" 1)" ] ||
    fail "$1: ChFail is not indeterminate"
}

# move_pointer TIMES: that many pointer movements (eight end a run which ends on movement),
# apart enough that the window system does not fold them into fewer.
move_pointer() {
  local step
  for ((step = 1; step <= $1; step++)); do
    xdotool mousemove $((step * 20)) $((step * 10))
    sleep 0.15
  done
}

# settled CHECK NAME [ARGS...]: takes screenshots NAME until two in a row are alike and CHECK
# SHOT ARGS... passes on them, for 5 s at most: a toolkit redraws in its own time (a box that
# the pointer has just left may still be lit), later on a loaded machine. Prints the file.
settled() {
  local try file previous=""
  for try in {1..25}; do
    file=$(shot "$2")
    if [ -n "$previous" ] && [ "$(digest "$previous")" = "$(digest "$file")" ] &&
      ("$1" "$file" "${@:3}") >/dev/null 2>&1; then
      echo "$file"
      return 0
    fi
    previous="${file%.png}-previous.png"
    cp "$file" "$previous"
    sleep 0.2
  done
  "$1" "$file" "${@:3}"
  echo "$file"
}

# expect_closed WHAT: the dialog, or the run, SAVER ends with status 0; expect_open WHAT: the
# dialog stays.
expect_closed() { expect_exit "$SAVER" 0 "$1"; }
expect_open() { sleep 0.5 && ! process_ended "$SAVER" || fail "$1 closed the dialog"; }

# settings_scenario SWITCH: the dialog's whole story, opened first with SWITCH. The script
# gives the toolkit's ways as functions: open_dialog SWITCH (starts SAVER, waits for the window,
# gives it the keyboard and calls dialog_origin), close_by_window, store_byte NAME HEX,
# expect_stored MOUSEMOVE SYSFAILSCREEN WHAT (hex bytes) and start_run.
settings_scenario() {
  local first forced
  # Nothing stored: both boxes clear. Checking ChMouse forces ChFail on and greys it, and a
  # greyed box takes no clicks.
  open_dialog "$1"
  [ "$(xdotool getwindowname "$DIALOG")" = "Quellar™ Screensaver by Tovenlab" ] ||
    fail "caption: $(xdotool getwindowname "$DIALOG")"
  first=$(settled expect_first settings-first)
  click_at $CH_MOUSE_AT
  forced=$(settled expect_forced settings-forced)
  click_at $CH_FAIL_AT
  click_at $CLOSE_AT
  expect_closed "Close"
  expect_stored 01 01 "Close after checking ChMouse and clicking the greyed ChFail"

  # The stored MouseMove ends a run at the eighth movement.
  store_byte SysFailScreen 00
  start_run
  move_pointer 8
  expect_closed "eight movements"

  # MouseMove 1 with SysFailScreen 0 opens with ChFail checked and greyed; clearing ChMouse
  # frees it, still checked; the window's close stores that.
  open_dialog /c
  settled expect_greyed settings-greyed "$forced" >/dev/null
  click_at $CH_MOUSE_AT
  settled expect_freed settings-freed "$forced" "$first" >/dev/null
  close_by_window
  expect_closed "the window's close"
  expect_stored 00 01 "the window's close after clearing ChMouse"

  # The stored SysFailScreen skips the failure screen: one Space ends the run, where the
  # failure screen would wait for a second one.
  start_run
  xdotool key space
  expect_closed "Space"

  # Keys (only now: the first key lets GTK mark the focus): a stored 2 shows indeterminate;
  # Escape, and Enter on a check box, do nothing; Space checks ChMouse, which has the focus;
  # Tab then skips the greyed ChFail to Close, and Enter presses it.
  store_byte SysFailScreen 02
  open_dialog /c
  settled expect_mixed settings-indeterminate "$first" "$forced" >/dev/null
  xdotool key Escape Return
  expect_open "Escape and Enter on a check box"
  xdotool key space Tab Return
  expect_closed "Space, Tab and Enter"
  expect_stored 01 01 "Space, Tab and Enter"
}
