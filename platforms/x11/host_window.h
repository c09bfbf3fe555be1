#pragma once
// The window of a screen-saver host that a guest draws in. It is the host's: the guest watches
// only its size and its exposures (its keys and buttons are the host's, and only one client may
// select button presses on a window), and leaves its place, name, pointer and life alone. The
// root window, which no host looks after, is given back cleared to its background.

#include <X11/Xlib.h>

#include <stdexcept>

#include "platforms/x11/rain_window.h"

namespace quellar::x11 {

// The window a guest was given cannot be drawn in; the message is one line for stderr.
class HostWindowError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class HostWindow : public RainWindow {
 public:
  // Raises a HostWindowError when `window` is no window of the display, or one without pixels.
  HostWindow(Display* display, ::Window window);
  ~HostWindow() override;
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  ::Window Id() const override { return window_; }

  // A run's placement and its pointer are the host's business.
  void Place(Handle /*insertAfter*/, std::int32_t /*x*/, std::int32_t /*y*/, std::int32_t /*width*/,
             std::int32_t /*height*/, std::uint32_t /*flags*/) override {}
  std::int32_t WindowLong(std::int32_t /*index*/) const override { return 0; }
  std::intptr_t SetWindowLong(std::int32_t /*index*/, std::intptr_t /*value*/) override {
    return 0;
  }
  ::Window Reparent(::Window /*parent*/) override { return None; }
  void SetCaption(const std::string& /*caption*/) override {}
  void SetPointerHidden(bool /*hidden*/) override {}
  void ForgetDestroyed() override { gone_ = true; }
  void Destroy() override {}

 private:
  Display* display_;
  ::Window window_;
  bool gone_ = false;
};

}  // namespace quellar::x11
