#!/usr/bin/env bash
# Runs the Win32 platform's tests, which make real windows, under Wine on a display of their own.
source "$(dirname "$0")/wine_lib.sh"
start_wine_test
wine_start "$WIN32_TESTS"
