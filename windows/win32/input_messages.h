#pragma once
// Turns the window's keyboard and mouse messages into frmMain's events.

#include <windows.h>

#include "windows/win32/window_events.h"

namespace quellar::win32 {

// True when `message` is an input message that frmMain handles.
bool IsInputMessage(UINT message);

// Delivers an input message to `events`; other messages are ignored.
void DeliverInput(WindowEvents& events, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quellar::win32
