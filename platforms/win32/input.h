#pragma once
// Turns the window's keyboard and mouse messages into frmMain's events.

#include <windows.h>

#include "platforms/forms/form_events.h"

namespace quellar::win32 {

// True when `message` is an input message that frmMain handles.
bool IsInputMessage(UINT message);

// Delivers an input message to `events`; other messages are ignored.
void DeliverInput(FormEvents& events, UINT message, WPARAM wParam);

// Windows sends WM_MOUSEMOVE also when the pointer stays put: when a window appears under it
// or changes above it (Wine sends one as soon as a window is shown). Only a new position is
// movement, and movement can end a run.
class PointerMotion {
 public:
  explicit PointerMotion(POINT start) : last_(start) {}

  // True when `screen` differs from the last position seen; either way it becomes the last.
  bool MovedTo(POINT screen);

 private:
  POINT last_;
};

// The screen position of a mouse message's client coordinates in `window`.
POINT ScreenPointOf(HWND window, LPARAM lParam);

}  // namespace quellar::win32
