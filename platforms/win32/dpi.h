#pragma once
// Screen density on every Windows version: user32's per-monitor functions where the system has
// them (looked up at run time, so that the program still starts where it has not), and the
// system-wide answers elsewhere.

#include <windows.h>

namespace quellar::win32 {

// Per-monitor awareness, v2 or else v1, for a process whose manifest was not read; system
// awareness on a Windows without per-monitor contexts. Harmless when the manifest has declared
// it already.
void DeclareDpiAwareness();

// Dots per inch of the monitor the window is on; the screen's where the system knows only one.
int DpiOf(HWND window);

// The size of a window of that style, without a menu, whose client area has `client`'s size at
// `dpi`: the frame and the caption grow with the density too.
SIZE WindowSizeFor(SIZE client, DWORD style, int dpi);

// Leaves the dialog's answer to a change of density to its own procedure: the dialog manager
// would otherwise rescale the window and its controls on its own terms first.
void TakeOverDpiChanges(HWND dialog);

}  // namespace quellar::win32
