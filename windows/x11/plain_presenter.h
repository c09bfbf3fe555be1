#pragma once
// Presentation with plain XPutImage requests: the pixels travel through the connection. The
// fallback where the server does not share memory with us.

#include <X11/Xlib.h>

#include <vector>

#include "windows/x11/presenter.h"
#include "windows/x11/x_image.h"
#include "windows/x11/x_owned.h"

namespace quellar::x11 {

class PlainPresenter : public Presenter {
 public:
  // Raises a RuntimeError when the window's visual cannot show XRGB pixels as they are.
  PlainPresenter(Display* display, ::Window window);
  void Show(const softgdi::Surface& frame, std::span<const softgdi::Box> boxes) override;
  softgdi::Pixel OpaqueBits() const override { return OpaqueBitsOf(format_); }

 private:
  Display* display_;
  ::Window window_;
  PixelFormat format_;
  OwnedGc gc_;
  BorrowedImage image_;  // over the frame's pixels; made again when the frame's size changes
  std::vector<softgdi::Box> requests_;
};

}  // namespace quellar::x11
