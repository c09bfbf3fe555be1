#pragma once
// The events of frmMain's window, as every toolkit delivers them: virtual-key codes for keys, and
// a double click in place of the press that completes it (down, up, double click, up). No
// handler reads a button, the shift state or a position, so no toolkit works them out.

#include <cstdint>

#include "engine/platform.h"

namespace quellar {

class FormEvents {
 public:
  virtual ~FormEvents() = default;

  virtual void KeyDown(std::int16_t keyCode) = 0;
  // A press of a mouse button (the wheel is none).
  virtual void MouseDown() = 0;
  virtual void DblClick() = 0;
  // The pointer is somewhere new: a toolkit that reports it where it already was drops that.
  virtual void MouseMove() = 0;
  virtual void Timer(TimerId timer) = 0;
  // Monitors were added, removed or rearranged (or may have been: the run looks again).
  virtual void DisplayChanged() = 0;
  // The system asks the program to end (a termination signal).
  virtual void EndRequested() = 0;
};

}  // namespace quellar
