// Asks the window whose id is given to close, as a window manager's close button does: a
// WM_DELETE_WINDOW message of the WM_PROTOCOLS kind. x11_close_window ID

#include <X11/Xlib.h>

#include <cstdlib>

#include "windows/x11/display.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return 2;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = std::strtoul(argv[1], nullptr, 0);
  event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] =
      static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display.get(), event.xclient.window, False, NoEventMask, &event);
  XSync(display.get(), False);
  return 0;
}
