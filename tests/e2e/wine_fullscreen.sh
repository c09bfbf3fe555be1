#!/usr/bin/env bash
# wine_fullscreen.sh ARCH SCR HOST_DIR: /s covers the screen with a topmost black window and
# tells the system a screen saver runs; a second /s ends at once; Escape starts the failure
# sequence and a second Escape ends the run, the flag is cleared and the installation is
# recorded.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display 1024x768
paint_root
forget_settings
expect_equal "saver flag before" "$(spi_running)" 0

start_saver /s
await_window '^Quellar$' 20
expect_equal "frame" "$(window_property Quellar frame)" "0 0 1024 768"
expect_equal "client" "$(window_property Quellar client)" "1024 768"
expect_equal "topmost" "$(window_property Quellar topmost)" 1
expect_equal "border" "$(window_property Quellar border)" 0
expect_equal "saver flag while running" "$(spi_running)" 1

shot=$(screenshot fullscreen)
note "full screen: $shot"
expect_covered "$shot"

first_pid=$SAVER_PID
run_saver 15 /s
expect_equal "exit code of a second /s" "$SAVER_EXIT" 0
expect_equal "windows" "$(find_window '^Quellar$' | wc -l)" 1
SAVER_PID=$first_pid

# The first Escape starts the failure sequence; the next one ends the run.
xdotool key Escape
wait_for 2 failure_box_on_screen || fail "Escape does not start the failure sequence"
xdotool key Escape
await_saver_exit 10
expect_equal "exit code" "$SAVER_EXIT" 0
expect_equal "saver flag after" "$(spi_running)" 0

expect_equal "Install_Dir" "$(registry_value Install_Dir)" "REG_SZ $(windows_path "$(dirname "$PROGRAM")")"
expect_equal "Exe_Name" "$(registry_value Exe_Name)" "REG_SZ Quellar.exe"
expect_equal "versionMajor" "$(registry_value versionMajor)" "REG_DWORD 0x2"
expect_equal "versionMinor" "$(registry_value versionMinor)" "REG_DWORD 0x0"
expect_equal "versionRevision" "$(registry_value versionRevision)" "REG_DWORD 0x0"
note "full screen: ok"
