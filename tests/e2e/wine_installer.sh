#!/usr/bin/env bash
# The installer on 64-bit Windows, silently: the 64-bit Quellar.scr in the real System32, an
# uninstall entry, the current screen saver unless /NOCURRENT; its uninstaller takes them away
# (not another screen saver's selection), puts ScreenSaveActive back as it was before the
# install that set it, ends the copies that run, and removes the settings only with
# /REMOVESETTINGS.
source "$(dirname "$0")/wine_lib.sh"
source "$(dirname "$0")/settings_lib.sh"
[ -f "${QUELLAR_SETUP:?}" ] || fail "no installer at $QUELLAR_SETUP (scripts/installer makes it)"
start_wine_test

DESKTOP='HKCU\Control Panel\Desktop'
ENTRY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellar'
WINDOWS=$WINEPREFIX/drive_c/windows
PROGRAM_DIR=$WINEPREFIX/drive_c/Program\ Files/Quellar
OTHER='C:\windows\system32\other.scr'
INSTALLED='C:\windows\system32\Quellar.scr'
STORE='HKCU\Software\Classes\VirtualStore\MACHINE\SOFTWARE'
SETTINGS_KEYS=("$QUELLAR_KEY /reg:64" "$QUELLAR_KEY /reg:32"
  "$STORE\\Tovenlab\\QuellarScreensaver /reg:64"
  "$STORE\\WOW6432Node\\Tovenlab\\QuellarScreensaver /reg:64")

# value KEY NAME: the data of one value, "none" when it is missing.
value() { wine_run reg query "$1" /v "$2" 2>/dev/null | sed -nE "s/^ +$2 +REG_\w+ +//p" || echo none; }
# choose SCREEN_SAVER ACTIVE: the user's current screen saver and ScreenSaveActive.
choose() { for v in "SCRNSAVE.EXE /d $1" "ScreenSaveActive /d $2"; do
  wine_run reg add "$DESKTOP" /v $v /f >/dev/null; done; }
install() { wine_run "$QUELLAR_SETUP" /S "$@" || fail "the installer $* failed"; }
# The uninstaller copies itself away and returns at once: its end is the Wine server's, which
# must not be one of wine-run's, which linger. The server ends once no program runs.
uninstall() {
  wine 'C:\Program Files\Quellar\Uninstall.exe' /S "$@" && wineserver -w ||
    fail "the uninstaller $* failed"
}
expect_gone() {
  [ ! -e "$WINDOWS/system32/Quellar.scr" ] && [ ! -e "$PROGRAM_DIR" ] || fail "files left"
  ! wine_run reg query "$ENTRY" /reg:64 >/dev/null 2>&1 || fail "the uninstall entry is left"
}
expect_desktop() { # SCRNSAVE.EXE ScreenSaveActive WHEN
  expect_equal "$3: selection" "$(value "$DESKTOP" SCRNSAVE.EXE)" "$1"
  expect_equal "$3: ScreenSaveActive" "$(value "$DESKTOP" ScreenSaveActive)" "$2"
}
expect_settings() { for key in "${SETTINGS_KEYS[@]}"; do # kept|gone
  expect_equal "$key" "$(wine_run reg query $key >/dev/null 2>&1 && echo kept || echo gone)" "$1"
done; }

choose "$OTHER" 0
install /NOCURRENT
cmp -s "$WINDOWS/system32/Quellar.scr" "$QUELLAR_SCR" && [ ! -e "$WINDOWS/syswow64/Quellar.scr" ] ||
  fail "the 64-bit Quellar.scr is not in System32 alone"
expect_desktop "$OTHER" 0 "after /NOCURRENT"
install
install # again: what was there before is still the 0 from before the first
expect_desktop "$INSTALLED" 1 "installed"
entry=$(wine_run reg query "$ENTRY" /reg:64 | awk '$2 ~ /^REG_/ { $1 = $1; print }' | sort)
expect_equal "uninstall entry" "$(grep -v ^EstimatedSize <<<"$entry")" \
  'DisplayIcon REG_SZ C:\windows\system32\Quellar.scr,0
DisplayName REG_SZ Quellar Screensaver
DisplayVersion REG_SZ 2.0.0
InstallLocation REG_SZ C:\Program Files\Quellar
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ Tovenlab
QuietUninstallString REG_SZ "C:\Program Files\Quellar\Uninstall.exe" /S
UninstallString REG_SZ "C:\Program Files\Quellar\Uninstall.exe"'
grep -qE '^EstimatedSize REG_DWORD 0x[0-9a-f]{3,}$' <<<"$entry" || fail "no estimated size"

for key in "${SETTINGS_KEYS[@]}"; do wine_run reg add $key /v speed /t REG_BINARY /d 1F /f \
  >/dev/null; done
stop_wine
uninstall
expect_gone
expect_desktop none 0 "uninstalled"
expect_settings kept

# Another screen saver chosen since: the user's choice stays.
install
choose "$OTHER" 1
stop_wine
uninstall /REMOVESETTINGS
expect_desktop "$OTHER" 1 "another chosen since"
expect_settings gone

# The install changed nothing with /NOCURRENT: ScreenSaveActive stays as the user set it.
install /NOCURRENT
choose "$INSTALLED" 0
stop_wine
uninstall
expect_desktop none 0 "chosen by hand"

# Copies of the program run: a full-screen run and a preview close in order (exit code 0), a
# dialog too, storing its settings before they are removed, and one that hangs is ended by force.
wine_run reg delete "$DESKTOP" /v ScreenSaveActive /f >/dev/null
install
stop_wine
wine "$INSTALLED" /s & RUN=$!
wine "$SAVER_PROBE" host "$INSTALLED" >"$WORK/host" & HOST=$!
wine "$INSTALLED" /c & DIALOG=$!
await_window '^Quellar$'
await_window "$SETTINGS_TITLE"
wine "$INSTALLED" /c & HUNG=$!
wait_for 20 bash -c "[ \$(xdotool search --onlyvisible --name '$SETTINGS_TITLE' | wc -l) = 2 ]" &&
  wait_for 20 grep -q placed "$WORK/host" || fail "the copies do not start"
kill -STOP $HUNG
uninstall /REMOVESETTINGS
for copy in RUN HOST DIALOG; do wait ${!copy} || fail "the $copy did not close in order"; done
expect_gone
expect_desktop none none "with copies running"
expect_settings gone
note "installer: ok"
