#pragma once
// Stands in for the settings dialog until it exists: a small fixed window with the dialog's
// caption and a Close button, shown modally.

#include <windows.h>

namespace quellar::win32 {

// Returns when the window has been closed.
void ShowSettingsPlaceholder(HINSTANCE instance);

}  // namespace quellar::win32
