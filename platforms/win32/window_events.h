#pragma once
// The events of frmMain's window, in the terms of the form's handlers: virtual-key codes,
// buttons and shift state as bit masks (1 left / Shift, 2 right / Ctrl, 4 middle / Alt) and
// positions in twips.

#include <cstdint>

#include "engine/platform.h"

namespace quellar::win32 {

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;

  virtual void KeyDown(std::int16_t keyCode, std::int16_t shift) = 0;
  virtual void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void DblClick() = 0;
  virtual void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void Timer(TimerId timer) = 0;
  // The window needs its picture again (uncovered, shown).
  virtual void Paint() = 0;
  // Monitors were added, removed or rearranged.
  virtual void DisplayChanged() = 0;
};

}  // namespace quellar::win32
