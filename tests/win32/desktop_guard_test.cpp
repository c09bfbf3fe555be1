// However a run ends, the desktop gets back what it took. From outside, a run's pointer count
// can be read only while its thread lives, too short a time after this give-back.

#include "platforms/win32/desktop_guard.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

int CursorCount() {
  ShowCursor(TRUE);
  return ShowCursor(FALSE);
}

TEST(DesktopGuard, ShowsThePointerAsOftenAsItWasHiddenAndClearsTheFlagItSet) {
  const int before = CursorCount();
  {
    DesktopGuard guard;
    BOOL previous = FALSE;
    guard.SystemParameters(SPI_SETSCREENSAVERRUNNING, TRUE, &previous, 0);
    guard.ShowCursor(false);
    guard.ShowCursor(false);
    guard.ShowCursor(true);
  }
  BOOL running = TRUE;
  SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
  EXPECT_FALSE(running);
  EXPECT_EQ(CursorCount(), before);
}

}  // namespace
}  // namespace quellar::win32
