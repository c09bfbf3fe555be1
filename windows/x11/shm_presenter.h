#pragma once
// Presentation through MIT-SHM. The changed boxes of a frame are copied into an image that the
// server shares with us and put on the window without their pixels passing through the
// connection. At most one frame is in flight: the server sends a completion event once it has
// read the image, and until then nothing touches the image; what is shown meanwhile waits,
// merged into one set of boxes, and goes out when the event comes. Where the server has no
// MIT-SHM or will not attach a segment, plain XPutImage requests take over for good.

#include <X11/Xlib.h>

#include <memory>
#include <vector>

#include "windows/softgdi/damage.h"
#include "windows/x11/plain_presenter.h"
#include "windows/x11/presenter.h"
#include "windows/x11/shared_image.h"
#include "windows/x11/x_image.h"
#include "windows/x11/x_owned.h"

namespace quellar::x11 {

class ShmPresenter : public Presenter {
 public:
  // Raises a RuntimeError when the window's visual cannot show XRGB pixels as they are.
  ShmPresenter(Display* display, ::Window window);
  void Show(const softgdi::Surface& frame, std::span<const softgdi::Box> boxes) override;
  // Takes the completion of the frame in flight, and sends what waited for it.
  bool HandleEvent(const XEvent& event, const softgdi::Surface& frame) override;
  bool Settled() const override { return !inFlight_ && waiting_.Empty(); }
  softgdi::Pixel OpaqueBits() const override { return OpaqueBitsOf(format_); }
  // False once plain requests have taken over.
  bool SharesMemory() const { return plain_ == nullptr; }

 private:
  void Send(const softgdi::Surface& frame);
  // An image of the frame's size; false when none can be shared, and plain requests take over.
  bool ImageFor(const softgdi::Surface& frame);

  Display* display_;
  ::Window window_;
  PixelFormat format_;
  OwnedGc gc_;
  int completionType_ = -1;  // no event has this type
  std::unique_ptr<SharedImage> image_;
  std::unique_ptr<PlainPresenter> plain_;
  bool inFlight_ = false;
  softgdi::Damage waiting_;
  std::vector<softgdi::Box> requests_;
};

}  // namespace quellar::x11
