#include "windows/x11/plain_presenter.h"

#include "engine/runtime_error.h"
#include "windows/x11/column_boxes.h"

namespace quellar::x11 {

PlainPresenter::PlainPresenter(Display* display, ::Window window)
    : display_(display),
      window_(window),
      format_(XrgbFormatOf(display, window)),
      gc_(display, XCreateGC(display, window, 0, nullptr)) {}

void PlainPresenter::Show(const softgdi::Surface& frame, std::span<const softgdi::Box> boxes) {
  const char* pixels = reinterpret_cast<const char*>(frame.pixels.data());
  if (!image_ || image_->width != frame.width || image_->height != frame.height) {
    image_ = ImageOver(display_, format_, pixels, frame.width, frame.height);
    if (!image_) throw RuntimeError("the frame cannot be described as an X image");
  }
  // XPutImage only reads the pixels.
  image_->data = const_cast<char*>(pixels);
  MergeColumnBoxes(boxes, {0, 0, frame.width, frame.height}, requests_);
  for (const softgdi::Box& box : requests_) {
    XPutImage(display_, window_, gc_.Get(), image_.get(), box.x, box.y, box.x, box.y,
              static_cast<unsigned>(box.width), static_cast<unsigned>(box.height));
  }
}

}  // namespace quellar::x11
