#pragma once
// What a full-screen run takes from the desktop: the pointer it hides and the system's
// screen-saver-running flag. Calls that take them go through here, so that however the run
// ends (an error, the window destroyed from outside) the desktop gets them back.

#include <windows.h>

namespace quellar::win32 {

class DesktopGuard {
 public:
  DesktopGuard() = default;
  DesktopGuard(const DesktopGuard&) = delete;
  DesktopGuard& operator=(const DesktopGuard&) = delete;
  ~DesktopGuard() { Restore(); }

  int ShowCursor(bool show);
  BOOL SystemParameters(UINT action, UINT uiParam, void* pvParam, UINT winIni);

  // Shows the pointer as often as the run hid it and clears the flag if the run set it.
  void Restore();

 private:
  int hiddenCount_ = 0;
  bool saverFlagSet_ = false;
};

}  // namespace quellar::win32
