#pragma once
// An XImage whose pixels lie in a System V shared-memory segment that the X server has
// attached as well. The segment is marked for removal as soon as this process holds it, before
// the server attaches it, so it disappears with the last of the two however the process ends.

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <memory>
#include <span>

#include "platforms/softgdi/surface.h"
#include "platforms/x11/x_image.h"

namespace quellar::x11 {

class SharedImage {
 public:
  // Null when no segment can be made or the server will not attach it: a server on another
  // machine or in another container answers BadAccess.
  static std::unique_ptr<SharedImage> Create(Display* display, const PixelFormat& format,
                                             std::int32_t width, std::int32_t height);
  ~SharedImage();
  SharedImage(const SharedImage&) = delete;
  SharedImage& operator=(const SharedImage&) = delete;

  XImage* Image() const { return image_; }
  ShmSeg Segment() const { return segment_.shmseg; }
  std::int32_t Width() const { return image_->width; }
  std::int32_t Height() const { return image_->height; }
  // The image's pixels: rows of exactly Width() words, zero when made.
  std::span<softgdi::Pixel> Pixels() const;

 private:
  explicit SharedImage(Display* display) : display_(display) {}
  bool Attach(const PixelFormat& format, std::int32_t width, std::int32_t height);

  Display* display_;
  XShmSegmentInfo segment_{};  // the image points at it: this object never moves
  XImage* image_ = nullptr;
  bool attached_ = false;
};

}  // namespace quellar::x11
