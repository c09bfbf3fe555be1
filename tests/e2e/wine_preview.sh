#!/usr/bin/env bash
# /p places the program's window inside a host's window, and the program ends when the host
# destroys it. Wine does not draw a child window of another process, so the host checks the
# window tree, not pixels.
source "$(dirname "$0")/wine_lib.sh"
start_wine_test
probe preview "$(windows_path "$QUELLAR_SCR")" || fail "no preview in its host"
expect_equal "saver flag after the preview" "$(probe spi)" 0
note "preview: ok"
