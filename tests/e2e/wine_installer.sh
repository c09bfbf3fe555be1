#!/usr/bin/env bash
# The installer on 64-bit Windows, silently: the 64-bit Quellar.scr in the real System32, an
# uninstall entry, the current screen saver unless /NOCURRENT; its uninstaller takes them away
# (not another screen saver's selection), the settings only with /REMOVESETTINGS.
source "$(dirname "$0")/wine_lib.sh"
[ -f "${QUELLAR_SETUP:?}" ] || fail "no installer at $QUELLAR_SETUP (scripts/installer makes it)"
start_wine_test

DESKTOP='HKCU\Control Panel\Desktop'
ENTRY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellar'
WINDOWS=$WINEPREFIX/drive_c/windows
PROGRAM_DIR=$WINEPREFIX/drive_c/Program\ Files/Quellar
OTHER='C:\windows\system32\other.scr'
STORE='HKCU\Software\Classes\VirtualStore\MACHINE\SOFTWARE'
SETTINGS_KEYS=("$QUELLAR_KEY /reg:64" "$QUELLAR_KEY /reg:32"
  "$STORE\\Tovenlab\\QuellarScreensaver /reg:64"
  "$STORE\\WOW6432Node\\Tovenlab\\QuellarScreensaver /reg:64")

# value KEY NAME: the data of one value, empty when it is missing.
value() { wine_run reg query "$1" /v "$2" 2>/dev/null | sed -nE "s/^ +$2 +REG_[A-Z_]+ +//p"; }
select_other() { for v in "SCRNSAVE.EXE /d $OTHER" "ScreenSaveActive /d 0"; do
  wine_run reg add "$DESKTOP" /v $v /f >/dev/null; done; }
install() { wine_run "$QUELLAR_SETUP" /S "$@" || fail "the installer $* failed"; }
# The uninstaller copies itself away and returns at once: its end is the Wine server's.
uninstall() {
  stop_wine && wine 'C:\Program Files\Quellar\Uninstall.exe' /S "$@" && wineserver -w ||
    fail "the uninstaller $* failed"
}
expect_settings() { for key in "${SETTINGS_KEYS[@]}"; do # kept|gone
  expect_equal "$key" "$(wine_run reg query $key >/dev/null 2>&1 && echo kept || echo gone)" "$1"
done; }

select_other
install /NOCURRENT
cmp -s "$WINDOWS/system32/Quellar.scr" "$QUELLAR_SCR" && [ ! -e "$WINDOWS/syswow64/Quellar.scr" ] ||
  fail "the 64-bit Quellar.scr is not in System32 alone"
expect_equal "selection after /NOCURRENT" "$(value "$DESKTOP" SCRNSAVE.EXE)" "$OTHER"
install
expect_equal "selection" "$(value "$DESKTOP" SCRNSAVE.EXE)" 'C:\windows\system32\Quellar.scr'
expect_equal "screen saver on" "$(value "$DESKTOP" ScreenSaveActive)" 1
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
uninstall
[ ! -e "$WINDOWS/system32/Quellar.scr" ] && [ ! -e "$PROGRAM_DIR" ] || fail "files left"
! wine_run reg query "$ENTRY" /reg:64 >/dev/null 2>&1 || fail "the uninstall entry is left"
expect_equal "selection after the uninstall" "$(value "$DESKTOP" SCRNSAVE.EXE)" ""
expect_settings kept

select_other
install /NOCURRENT
uninstall /REMOVESETTINGS
expect_equal "another selection after the uninstall" "$(value "$DESKTOP" SCRNSAVE.EXE)" "$OTHER"
expect_settings gone
note "installer: ok"
