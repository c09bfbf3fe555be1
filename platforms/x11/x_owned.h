#pragma once
// Ownership of the server-side objects the platform creates (windows, cursors, graphics
// contexts): each is freed through its own Xlib call, on the connection that made it.

#include <X11/Xlib.h>

#include <utility>

namespace quellar::x11 {

template <typename T, auto Free>
class XOwned {
 public:
  XOwned() = default;
  XOwned(Display* display, T value) : display_(display), value_(value) {}
  XOwned(XOwned&& other) noexcept
      : display_(other.display_), value_(std::exchange(other.value_, T{})) {}
  XOwned& operator=(XOwned&& other) noexcept {
    if (this != &other) {
      Reset();
      display_ = other.display_;
      value_ = std::exchange(other.value_, T{});
    }
    return *this;
  }
  XOwned(const XOwned&) = delete;
  XOwned& operator=(const XOwned&) = delete;
  ~XOwned() { Reset(); }

  T Get() const { return value_; }
  // Gives up ownership without freeing, for an object the server has already destroyed.
  void Forget() { value_ = T{}; }
  void Reset() {
    if (value_ != T{}) Free(display_, std::exchange(value_, T{}));
  }

 private:
  Display* display_ = nullptr;
  T value_{};
};

using OwnedWindow = XOwned<::Window, XDestroyWindow>;
using OwnedCursor = XOwned<::Cursor, XFreeCursor>;
using OwnedGc = XOwned<GC, XFreeGC>;

}  // namespace quellar::x11
