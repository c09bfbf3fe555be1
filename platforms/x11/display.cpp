#include "platforms/x11/display.h"

#include <cstdlib>

#include "platforms/x11/x_errors.h"

namespace quellar::x11 {

// No connection runs with Xlib's own handlers, which end the process without unwinding.
DisplayPtr OpenDisplay() {
  InstallXErrorHandlers();
  return DisplayPtr(XOpenDisplay(nullptr));
}

std::string NoDisplayMessage() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return "no X display: DISPLAY is not set";
  return "cannot open the X display \"" + std::string(name) + "\"";
}

}  // namespace quellar::x11
