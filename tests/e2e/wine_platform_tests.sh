#!/usr/bin/env bash
# wine_platform_tests.sh ARCH TESTS: runs the Win32 platform's tests, which make real windows,
# under Wine on a display of their own.
source "$(dirname "$0")/wine_lib.sh"
start_wine_display
"$repo/scripts/wine-run" "$WINE_ARCH" "$PROGRAM"
