// Prints whether the system reports a running screen saver (SystemParametersInfoA action 114):
// 1 or 0.

#include <windows.h>

#include <cstdio>

int main() {
  BOOL running = FALSE;
  if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0)) return 2;
  std::printf("%d\n", running ? 1 : 0);
  return 0;
}
