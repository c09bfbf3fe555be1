#include "platforms/x11/x_image.h"

#include <X11/Xutil.h>

#include <bit>
#include <string>

#include "engine/runtime_error.h"

namespace quellar::x11 {
namespace {

// The frame's pixels are native 32-bit words; Xlib swaps them for a server of the other order.
constexpr int kNativeByteOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;

}  // namespace

void BorrowedImageDeleter::operator()(XImage* image) const {
  image->data = nullptr;
  XDestroyImage(image);
}

BorrowedImage ImageOver(Display* display, const PixelFormat& format, const char* pixels,
                        std::int32_t width, std::int32_t height) {
  // XPutImage only reads the image, whatever its declaration says.
  BorrowedImage image(XCreateImage(display, format.visual, static_cast<unsigned>(format.depth),
                                   ZPixmap, 0, const_cast<char*>(pixels),
                                   static_cast<unsigned>(width), static_cast<unsigned>(height), 32,
                                   width * 4));
  if (image) image->byte_order = kNativeByteOrder;
  return image;
}

PixelFormat XrgbFormatOf(Display* display, ::Window window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  const PixelFormat format{attributes.visual, attributes.depth};
  const Visual* visual = format.visual;
  const BorrowedImage probe = ImageOver(display, format, nullptr, 1, 1);
  const bool fits = visual != nullptr && visual->c_class == TrueColor &&
                    (format.depth == 24 || format.depth == 32) && visual->red_mask == 0xff0000 &&
                    visual->green_mask == 0xff00 && visual->blue_mask == 0xff && probe &&
                    probe->bits_per_pixel == 32;
  if (!fits) {
    throw RuntimeError("the X display's visual (depth " + std::to_string(format.depth) +
                       ") is not supported: 24- or 32-bit TrueColor is needed");
  }
  return format;
}

softgdi::Pixel OpaqueBitsOf(const PixelFormat& format) {
  if (format.depth != 32) return 0;
  const unsigned long colour =
      format.visual->red_mask | format.visual->green_mask | format.visual->blue_mask;
  return static_cast<softgdi::Pixel>(~colour);
}

}  // namespace quellar::x11
