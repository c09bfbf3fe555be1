#include "platforms/x11/host_window.h"

#include <optional>
#include <sstream>

#include "platforms/x11/x_errors.h"

namespace quellar::x11 {
namespace {

constexpr long kGuestEventMask = StructureNotifyMask | ExposureMask;

std::string Hex(::Window window) {
  std::ostringstream text;
  text << "0x" << std::hex << window;
  return text.str();
}

}  // namespace

HostWindow::HostWindow(Display* display, ::Window window) : display_(display), window_(window) {
  // Selected before the window is asked about: one destroyed right after still reports it.
  ErrorTrap trap(display);
  XSelectInput(display, window, kGuestEventMask);
  const std::optional<XWindowAttributes> attributes = AttributesOf(display, window);
  if (!attributes) throw HostWindowError("no window " + Hex(window) + " on the display");
  if (attributes->c_class == InputOnly) {
    throw HostWindowError("window " + Hex(window) + " is input-only: nothing can be drawn in it");
  }
  Resized(attributes->width, attributes->height);
}

HostWindow::~HostWindow() {
  if (gone_ || window_ != XDefaultRootWindow(display_)) return;
  XClearWindow(display_, window_);
  XFlush(display_);
}

}  // namespace quellar::x11
