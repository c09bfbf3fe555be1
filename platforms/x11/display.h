#pragma once
// The connection to the X display. A run cannot go on without one; the notice can.

#include <X11/Xlib.h>

#include <memory>
#include <string>

namespace quellar::x11 {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// The display that $DISPLAY names, or null when it cannot be opened.
DisplayPtr OpenDisplay();

// The message for a display that could not be opened.
std::string NoDisplayMessage();

}  // namespace quellar::x11
