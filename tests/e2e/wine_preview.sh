#!/usr/bin/env bash
# wine_preview.sh ARCH SCR HOST_DIR: /p places the program's window inside a host's window and
# the program ends when the host destroys that window. Wine does not draw a child window of
# another process, so the host checks the window tree, not pixels.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
wine_run "$HOST_DIR/preview_host.exe" "$(windows_path "$PROGRAM")" || fail "preview host failed"
expect_equal "saver flag after" "$(spi_running)" 0
note "preview: ok"
