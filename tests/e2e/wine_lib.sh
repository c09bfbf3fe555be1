# Shared by the Wine scripts; source it with the script's arguments: ARCH PROGRAM [HOST_DIR].
# ARCH is win32 or win64, PROGRAM Quellar.scr (or the program under test), HOST_DIR the folder
# of the host programs (spi_query.exe, window_query.exe, preview_host.exe, pointer_probe.exe).

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/screen_lib.sh"
repo=$(cd "$here/../.." && pwd)

WINE_ARCH=$1
PROGRAM=$2
HOST_DIR=${3:-}
QUELLAR_KEY='HKLM\SOFTWARE\Tovenlab\QuellarScreensaver'
# Wine starts its 32-bit reg.exe even in a 64-bit prefix; a 64-bit program's keys are in the
# other view.
REG_VIEW=()
[ "$WINE_ARCH" = win64 ] && REG_VIEW=(/reg:64)
SHOT_DIR=${QUELLAR_SHOT_DIR:-$PWD/shots}

# A prefix of the scripts' own (one per build tree when CTest names it), made by wine-run on
# first use: every script ends its Wine server, which must not stop programs of anyone else's
# prefix. wine-env.sh sets the variables as wine-run does.
QUELLAR_WINE_HOME=${QUELLAR_E2E_WINE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quellar/e2e}
source "$repo/scripts/wine-env.sh"
wine_env "$WINE_ARCH"

wine_run() { "$repo/scripts/wine-run" "$WINE_ARCH" "$@" | tr -d '\r'; }

stop_wine() {
  [ -d "$WINEPREFIX" ] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# start_wine_display [WIDTHxHEIGHT]: a fresh Xvfb and a Wine server started for it; a server
# left running from before stays bound to its old display, so it is ended first.
start_wine_display() {
  start_xvfb "${1:-1024x768}"
  stop_wine
  WORK_DIR=$(mktemp -d)
  trap 'stop_wine; stop_xvfb; rm -rf "$WORK_DIR"' EXIT
  # Makes the prefix if needed and starts the server, so later waits time only the program.
  wine_run cmd /c exit >/dev/null 2>&1 || fail "Wine does not start"
}

# windows_path PATH: a Unix path as Wine's drive Z: (the root directory) names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# start_saver ARGS...: starts the program in the background; SAVER_PID is its process.
start_saver() {
  "$repo/scripts/wine-run" "$WINE_ARCH" "$PROGRAM" "$@" &
  SAVER_PID=$!
}

# await_saver_exit SECONDS: waits for the program to end; SAVER_EXIT is its exit code. Not in
# a subshell: only this shell can collect its child's code.
await_saver_exit() {
  wait_for "$1" bash -c "! kill -0 $SAVER_PID" || fail "the program is still running after $1 s"
  SAVER_EXIT=0
  wait "$SAVER_PID" || SAVER_EXIT=$?
}

# run_saver SECONDS ARGS...: runs the program to its end; SAVER_EXIT is its exit code.
run_saver() {
  local limit=$1
  shift
  start_saver "$@"
  await_saver_exit "$limit"
}

saver_running() { kill -0 "$SAVER_PID" 2>/dev/null; }

# start_full_screen: a full-screen run whose window is up.
start_full_screen() {
  start_saver /s
  await_window '^Quellar$' 20
}

# find_window NAME: the visible X windows whose name matches the regular expression NAME.
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
await_window() { wait_for "$2" find_window "$1" || fail "no window named $1 after $2 s"; }

# spi_running: 1 while the system reports a running screen saver, else 0.
spi_running() { wine_run "$HOST_DIR/spi_query.exe"; }

# window_property CAPTION NAME: one property that window_query.exe reports of the window.
window_property() {
  wine_run "$HOST_DIR/window_query.exe" "$1" | sed -n "s/^$2 //p"
}

# expect_equal WHAT ACTUAL EXPECTED
expect_equal() { [ "$2" = "$3" ] || fail "$1: '$2', expected '$3'"; }

# registry_value NAME: "TYPE DATA" of a value of the program's key, or nothing.
registry_value() {
  wine_run reg query "$QUELLAR_KEY" /v "$1" "${REG_VIEW[@]}" 2>/dev/null |
    awk -v name="$1" '$1 == name { $1 = ""; sub(/^ +/, ""); print }'
}

# store_byte NAME BYTE: stores a one-byte setting (two hex digits) as the settings dialog does.
store_byte() {
  wine_run reg add "$QUELLAR_KEY" /v "$1" /t REG_BINARY /d "$2" /f "${REG_VIEW[@]}" >/dev/null ||
    fail "cannot store $1"
}

forget_settings() { wine_run reg delete "$QUELLAR_KEY" /f "${REG_VIEW[@]}" >/dev/null 2>&1 || true; }

key_exists() { wine_run reg query "$QUELLAR_KEY" "${REG_VIEW[@]}" >/dev/null 2>&1; }

# screenshot NAME: the whole screen into $SHOT_DIR/NAME.png; prints the file.
screenshot() {
  mkdir -p "$SHOT_DIR"
  import -window root -display "$DISPLAY" "$SHOT_DIR/$1.png"
  echo "$SHOT_DIR/$1.png"
}

# paint_root: a blue root window, so that a screenshot shows whatever no window covers.
paint_root() {
  convert -size 8x8 'xc:#2050a0' "$WORK_DIR/root.png"
  display -window root "$WORK_DIR/root.png" 2>/dev/null || true
  [ "$(pixel 0 0 "$(screenshot root)")" = "srgb(32,80,160)" ] || fail "the root cannot be painted"
}

# expect_covered FILE: no pixel of the painted root shows, and the picture is dark (the rain
# falls on black).
expect_covered() {
  local root mean
  root=$(convert "$1" -format %c histogram:info:- | grep -ci '#2050A0' || true)
  [ "$root" -eq 0 ] || fail "the root shows through in $1"
  mean=$(convert "$1" -format '%[fx:mean]' info:)
  awk -v mean="$mean" 'BEGIN { exit !(mean < 0.1) }' || fail "$1 is not dark (mean $mean)"
}

# Keys go to the window under the pointer when no window manager gives focus.
point_at_window() { xdotool mousemove --window "$1" 20 20; }

# Without a window manager a button goes to the window under the pointer, which a full-screen
# run covers.
double_click() { xdotool click --repeat 2 --delay 80 1; }

# osd_on_screen TEXT: the screen's on-screen display reads TEXT.
osd_on_screen() { shows_osd "$(screenshot osd)" "$1"; }

# expect_osd TEXT: the on-screen display comes to read TEXT; it is drawn as the key is handled
# and stays two seconds.
expect_osd() { wait_for 1 osd_on_screen "$1" || fail "the on-screen display does not read '$1'"; }

# failure_box_on_screen: the failure box stands in the middle of a 1024x768 screen.
failure_box_on_screen() { same_as_art "$(screenshot failure-box)" 376 367 failbox.bmp; }

# start_pointer_probe: follows the pointer's display count of the running program (see
# pointer_probe.cpp); POINTER_RUNNING is the count while it runs. Its report goes to a file of
# its own: through a pipe it would come only at its end.
start_pointer_probe() {
  "$repo/scripts/wine-run" "$WINE_ARCH" "$HOST_DIR/pointer_probe.exe" Quellar >"$WORK_DIR/pointer" &
  PROBE_PID=$!
  wait_for 10 grep -q '^running' "$WORK_DIR/pointer" || fail "the pointer probe reports nothing"
  POINTER_RUNNING=$(probe_report running)
}

# await_pointer_probe: POINTER_LAST is the count the program left before it ended.
await_pointer_probe() {
  wait "$PROBE_PID" || fail "the pointer probe failed"
  POINTER_LAST=$(probe_report last)
}

probe_report() { tr -d '\r' <"$WORK_DIR/pointer" | sed -n "s/^$1 //p"; }
