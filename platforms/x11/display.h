#pragma once
// The connection to the X display. A run cannot go on without one; the notice can.

#include <X11/Xlib.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace quellar::x11 {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// There is no display to run on; the message says which one was tried.
class NoDisplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The display that $DISPLAY names, or null when it cannot be opened.
DisplayPtr OpenDisplay();

// The message for a display that could not be opened.
std::string NoDisplayMessage();

}  // namespace quellar::x11
