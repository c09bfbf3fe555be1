// Destroys the window whose id is given, as any client of the display may: x11_destroy_window ID

#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

#include "windows/x11/display.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return 2;
  XDestroyWindow(display.get(), std::strtoul(argv[1], nullptr, 0));
  XSync(display.get(), False);
  return 0;
}
