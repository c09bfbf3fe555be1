# Shared by the Wine scripts, with lib.sh and screen_lib.sh: an X server and a Wine server of
# the script's own, the runs of the program and what Windows says around them. The environment
# names what is under test: WINE_ARCH (win32 or win64), QUELLAR_SCR, SAVER_PROBE
# (tests/win32/saver_probe.cpp), SAVER_WITHOUT_BITMAPS, WIN32_TESTS. Screenshots go to
# E2E_SHOTS when it is set (to look at them), else to the work directory.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/screen_lib.sh"
repo=$(cd "$here/../.." && pwd)
: "${WINE_ARCH:?win32 or win64}" "${QUELLAR_SCR:?the Quellar.scr under test}"
QUELLAR_KEY='HKLM\SOFTWARE\Tovenlab\QuellarScreensaver'
# Wine starts its 32-bit reg.exe even in a 64-bit prefix; a 64-bit program's keys are in the
# other view.
REG_VIEW=()
[ "$WINE_ARCH" = win64 ] && REG_VIEW=(/reg:64)

# A prefix of the scripts' own (one per build tree when CTest names it), made by wine-run on
# first use: every script ends its Wine server, which must not stop programs of anyone else's
# prefix. wine-env.sh sets the variables as wine-run does.
QUELLAR_WINE_HOME=${QUELLAR_E2E_WINE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quellar/e2e}
source "$repo/scripts/wine-env.sh"
wine_env "$WINE_ARCH"

wine_start() { "$repo/scripts/wine-run" "$WINE_ARCH" "$@"; }
wine_run() { wine_start "$@" | tr -d '\r'; }
probe() { wine_run "$SAVER_PROBE" "$@"; }
stop_wine() { [ ! -d "$WINEPREFIX" ] || { wineserver -k; wineserver -w; } 2>/dev/null || true; }

# start_wine_test [WIDTHxHEIGHT]: a fresh Xvfb whose bare root shows white (no colour of the
# rain) and a Wine server started for it, with nothing stored; a server left running from
# before stays bound to its old display, so it is ended first.
start_wine_test() {
  start_xvfb "${1:-1024x768}" -wr
  stop_wine
  WORK=$(mktemp -d)
  SHOTS=${E2E_SHOTS:-$WORK}
  mkdir -p "$SHOTS"
  trap 'kill $(jobs -p) 2>/dev/null; stop_wine; stop_xvfb; rm -rf "$WORK"' EXIT
  # Makes the prefix if needed and starts the server, so later waits time only the program.
  wine_run cmd /c exit >/dev/null 2>&1 || fail "Wine does not start"
  wine_run reg delete "$QUELLAR_KEY" /f "${REG_VIEW[@]}" >/dev/null 2>&1 || true
  set_dpi 96
}

# set_dpi DOTS_PER_INCH: the density of the screen for the programs started from now on (Wine's
# LogPixels); every script starts at the usual one, whatever a script before it left.
set_dpi() { wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
  >/dev/null || fail "cannot set the density to $1"; }

# windows_path PATH: a Unix path as Wine's drive Z: (the root directory) names it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# start_saver ARGS...: the program (QUELLAR_SCR unless PROGRAM names another) in the background,
# its standard error in $WORK/stderr; SAVER is its process.
start_saver() {
  wine_start "${PROGRAM:-$QUELLAR_SCR}" "$@" 2>"$WORK/stderr" &
  SAVER=$!
}
# start_run [SWITCH]: a full-screen run whose window is up.
start_run() { start_saver "$@" && await_window '^Quellar$'; }

find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
await_window() { wait_for 20 find_window "$1" || fail "no window named $1"; }

# expect_equal WHAT ACTUAL EXPECTED
expect_equal() { [ "$2" = "$3" ] || fail "$1: '$2', expected '$3'"; }

# stored_values: "NAME TYPE DATA" of each value of the program's key, sorted by name.
stored_values() {
  wine_run reg query "$QUELLAR_KEY" "${REG_VIEW[@]}" 2>/dev/null |
    awk '$2 ~ /^REG_/ { $1 = $1; print }' | sort -f
}

# store_byte NAME BYTE: stores a one-byte setting (two hex digits) as the settings dialog does.
store_byte() {
  wine_run reg add "$QUELLAR_KEY" /v "$1" /t REG_BINARY /d "$2" /f "${REG_VIEW[@]}" >/dev/null ||
    fail "cannot store $1"
}

# follow_pointer: the probe follows the pointer's display count of the running program (its
# report in a file: through a pipe it would come only at its end); POINTER_RUNNING is the count
# while it runs. expect_pointer_left COUNT WHAT: the program left that count when it ended.
follow_pointer() {
  wine_start "$SAVER_PROBE" pointer Quellar >"$WORK/pointer" &
  POINTER_PROBE=$!
  wait_for 10 grep -q '^running' "$WORK/pointer" || fail "the pointer probe reports nothing"
  POINTER_RUNNING=$(pointer_report running)
}
expect_pointer_left() {
  wait "$POINTER_PROBE" || fail "$2: the pointer probe failed"
  expect_equal "$2: pointer count left" "$(pointer_report last)" "$1"
}
pointer_report() { tr -d '\r' <"$WORK/pointer" | sed -n "s/^$1 //p"; }
