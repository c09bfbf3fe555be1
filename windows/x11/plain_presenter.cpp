#include "windows/x11/plain_presenter.h"

#include <X11/Xutil.h>

#include <bit>
#include <memory>
#include <string>

#include "engine/runtime_error.h"

namespace quellar::x11 {
namespace {

// The frame's pixels are native 32-bit words; Xlib swaps them for a server of the other order.
constexpr int kNativeByteOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;

// An image header over pixels that belong to someone else.
struct BorrowedImageDeleter {
  void operator()(XImage* image) const {
    image->data = nullptr;
    XDestroyImage(image);
  }
};
using BorrowedImage = std::unique_ptr<XImage, BorrowedImageDeleter>;

BorrowedImage ImageOver(Display* display, Visual* visual, int depth, const char* pixels,
                        std::int32_t width, std::int32_t height) {
  // XPutImage only reads the image, whatever its declaration says.
  return BorrowedImage(XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                                    const_cast<char*>(pixels), static_cast<unsigned>(width),
                                    static_cast<unsigned>(height), 32, width * 4));
}

// The frame is shown without conversion, so the window must take 0x00RRGGBB words as they are.
void RequireXrgbVisual(Display* display, Visual* visual, int depth) {
  const BorrowedImage probe = ImageOver(display, visual, depth, nullptr, 1, 1);
  const bool fits = visual->c_class == TrueColor && (depth == 24 || depth == 32) &&
                    visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 &&
                    visual->blue_mask == 0xff && probe && probe->bits_per_pixel == 32;
  if (!fits) {
    throw RuntimeError("the X display's visual (depth " + std::to_string(depth) +
                       ") is not supported: 24- or 32-bit TrueColor is needed");
  }
}

}  // namespace

PlainPresenter::PlainPresenter(Display* display, ::Window window)
    : display_(display), window_(window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display_, window_, &attributes);
  visual_ = attributes.visual;
  depth_ = attributes.depth;
  RequireXrgbVisual(display_, visual_, depth_);
  gc_ = OwnedGc(display_, XCreateGC(display_, window_, 0, nullptr));
}

void PlainPresenter::Put(const softgdi::Surface& frame, softgdi::Box box) {
  const BorrowedImage image =
      ImageOver(display_, visual_, depth_, reinterpret_cast<const char*>(frame.pixels.data()),
                frame.width, frame.height);
  if (!image) throw RuntimeError("the frame cannot be described as an X image");
  image->byte_order = kNativeByteOrder;
  XPutImage(display_, window_, gc_.Get(), image.get(), box.x, box.y, box.x, box.y,
            static_cast<unsigned>(box.width), static_cast<unsigned>(box.height));
}

}  // namespace quellar::x11
