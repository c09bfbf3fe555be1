// What the end-to-end scripts cannot ask with the tools at hand. "x11_probe pointer" prints
// "hidden" when every pixel of the current cursor is transparent, "visible" otherwise;
// "x11_probe close ID" asks the window to close as a window manager's close button does
// (WM_DELETE_WINDOW). Exit status 2 when it cannot tell or do it.

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "windows/x11/display.h"

namespace {

int PrintPointerState(Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  if (!XFixesQueryExtension(display, &eventBase, &errorBase)) return 2;
  const std::unique_ptr<XFixesCursorImage, int (*)(void*)> image(XFixesGetCursorImage(display),
                                                                 XFree);
  if (!image) return 2;
  // Xlib hands the ARGB pixels back as longs; alpha is the top byte of the low 32 bits.
  const unsigned long* pixels = image->pixels;
  const bool hidden = std::all_of(pixels, pixels + std::size_t{image->width} * image->height,
                                  [](unsigned long pixel) { return (pixel & 0xFF000000ul) == 0; });
  std::puts(hidden ? "hidden" : "visible");
  return 0;
}

int Close(Display* display, ::Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  const std::string command = argc > 1 ? argv[1] : "";
  if (display && command == "pointer" && argc == 2) return PrintPointerState(display.get());
  if (display && command == "close" && argc == 3) {
    return Close(display.get(), std::strtoul(argv[2], nullptr, 0));
  }
  return 2;
}
