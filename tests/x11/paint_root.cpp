// Paints the root window white, so that a screenshot shows whatever a test's windows do not
// cover (the server's own background is black, like the saver). Prints "painted", then stays
// connected until it is killed: Xvfb starts afresh, black again, when its last client leaves.

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

}  // namespace

int main() {
  const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
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
