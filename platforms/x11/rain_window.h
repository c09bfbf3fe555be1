#pragma once
// The X window that shows the rain, as the port's window calls see it: frmMain's own window
// (MainWindow), or the window of the screen-saver host that a guest draws in (HostWindow).

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "engine/platform.h"

namespace quellar::x11 {

class RainWindow {
 public:
  virtual ~RainWindow() = default;

  virtual ::Window Id() const = 0;
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // The window's size as the server last reported it.
  void Resized(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
  }

  // SetWindowPos.
  virtual void Place(Handle insertAfter, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, std::uint32_t flags) = 0;
  virtual std::int32_t WindowLong(std::int32_t index) const = 0;
  virtual std::intptr_t SetWindowLong(std::int32_t index, std::intptr_t value) = 0;
  // Moves the window into `parent`; the previous parent, or None when it could not.
  virtual ::Window Reparent(::Window parent) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetPointerHidden(bool hidden) = 0;
  // The server destroyed the window: nothing is left to free.
  virtual void ForgetDestroyed() = 0;
  // CloseMainWindow.
  virtual void Destroy() = 0;

 private:
  std::int32_t width_ = 1;
  std::int32_t height_ = 1;
};

}  // namespace quellar::x11
