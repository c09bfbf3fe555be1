// Paints the root window white, so that a screenshot shows whatever a test's windows do not
// cover (the server's own background is black, like the saver). Prints "painted", then stays
// connected until it is killed: Xvfb starts afresh, black again, when its last client leaves.

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "windows/x11/display.h"

int main() {
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return 2;
  Display* d = display.get();
  const ::Window root = XDefaultRootWindow(d);
  XSetWindowBackground(d, root, XWhitePixel(d, XDefaultScreen(d)));
  XClearWindow(d, root);
  XSync(d, False);
  std::puts("painted");
  std::fflush(stdout);
  for (;;) pause();
}
