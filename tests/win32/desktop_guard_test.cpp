#include "windows/win32/desktop_guard.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

BOOL SaverRunning() {
  BOOL running = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
  return running;
}

// The pointer's display count, read without changing it.
int CursorCount() {
  ShowCursor(TRUE);
  return ShowCursor(FALSE);
}

TEST(DesktopGuard, ClearsTheScreenSaverFlagItSet) {
  {
    DesktopGuard guard;
    BOOL previous = FALSE;
    guard.SystemParameters(SPI_SETSCREENSAVERRUNNING, TRUE, &previous, 0);
    ASSERT_TRUE(SaverRunning());
  }
  EXPECT_FALSE(SaverRunning());
}

TEST(DesktopGuard, ShowsThePointerAsOftenAsItWasHidden) {
  const int before = CursorCount();
  {
    DesktopGuard guard;
    guard.ShowCursor(false);
    guard.ShowCursor(false);
    guard.ShowCursor(true);
    EXPECT_EQ(CursorCount(), before - 1);
  }
  EXPECT_EQ(CursorCount(), before);
}

}  // namespace
}  // namespace quellar::win32
