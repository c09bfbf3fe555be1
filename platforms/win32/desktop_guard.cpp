#include "platforms/win32/desktop_guard.h"

namespace quellar::win32 {

int DesktopGuard::ShowCursor(bool show) {
  hiddenCount_ += show ? -1 : 1;
  return ::ShowCursor(show ? TRUE : FALSE);
}

BOOL DesktopGuard::SystemParameters(UINT action, UINT uiParam, void* pvParam, UINT winIni) {
  const BOOL done = SystemParametersInfoA(action, uiParam, pvParam, winIni);
  if (action == SPI_SETSCREENSAVERRUNNING && done) saverFlagSet_ = uiParam != 0;
  return done;
}

void DesktopGuard::Restore() {
  for (; hiddenCount_ > 0; --hiddenCount_) ::ShowCursor(TRUE);
  if (saverFlagSet_) {
    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &previous, 0);
    saverFlagSet_ = false;
  }
}

}  // namespace quellar::win32
