#pragma once
// What the presenters share about X images: the window's pixel format, which must take the
// frame's 0x00RRGGBB words as they are, and image headers over pixels held elsewhere.

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>

#include "platforms/softgdi/surface.h"

namespace quellar::x11 {

struct PixelFormat {
  Visual* visual = nullptr;
  int depth = 0;
};

// The window's own visual and depth. Frames are shown without conversion, so anything but
// 24- or 32-bit TrueColor with 8-bit red, green and blue in that order is a RuntimeError.
PixelFormat XrgbFormatOf(Display* display, ::Window window);

// The bits every pixel must have set for the window to show it as it is: the alpha of a 32-bit
// visual, where 0 would make the pixel transparent; none on a 24-bit one.
softgdi::Pixel OpaqueBitsOf(const PixelFormat& format);

// An image header over pixels that belong to someone else: destroying it leaves them alone.
struct BorrowedImageDeleter {
  void operator()(XImage* image) const;
};
using BorrowedImage = std::unique_ptr<XImage, BorrowedImageDeleter>;

// A header over `width` x `height` native 32-bit words at `pixels`; null when Xlib refuses.
BorrowedImage ImageOver(Display* display, const PixelFormat& format, const char* pixels,
                        std::int32_t width, std::int32_t height);

}  // namespace quellar::x11
