#pragma once
// Puts the changed parts of the window's frame on the X window. The plain presenter sends the
// pixels through the connection with XPutImage; the shared-memory one lets the server read
// them where they are, and answers to the server's completion events.

#include <X11/Xlib.h>

#include <span>

#include "windows/softgdi/surface.h"

namespace quellar::x11 {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // `frame` has the window's size and `boxes` lie inside it.
  virtual void Show(const softgdi::Surface& frame, std::span<const softgdi::Box> boxes) = 0;
  // A server event meant for the presenter; true when it took `event`. `frame` is the frame
  // as it is now, for boxes still waiting to be sent.
  virtual bool HandleEvent(const XEvent& /*event*/, const softgdi::Surface& /*frame*/) {
    return false;
  }
  // Nothing waits to be sent and the server has read everything it was sent; for what it was
  // sent to reach the window, a round trip (XSync) is enough.
  virtual bool Settled() const { return true; }
  // See OpaqueBitsOf: what every pixel of the frames it shows must carry.
  virtual softgdi::Pixel OpaqueBits() const { return 0; }
};

}  // namespace quellar::x11
