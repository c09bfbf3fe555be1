#include "windows/x11/window_surface.h"

#include <algorithm>
#include <utility>

namespace quellar::x11 {

WindowSurface::WindowSurface(std::unique_ptr<Presenter> presenter, std::int32_t width,
                             std::int32_t height)
    : presenter_(std::move(presenter)), frame_(width, height) {}

void WindowSurface::ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, const softgdi::Surface& source,
                                std::int32_t sourceX, std::int32_t sourceY) {
  const softgdi::Box written =
      softgdi::CopyPixels(frame_, x, y, width, height, source, sourceX, sourceY);
  if (!written.Empty()) presenter_->Put(frame_, written);
}

void WindowSurface::Resize(std::int32_t width, std::int32_t height) {
  if (width == frame_.width && height == frame_.height) return;
  softgdi::Surface resized(width, height);
  softgdi::CopyPixels(resized, 0, 0, frame_.width, frame_.height, frame_, 0, 0);
  frame_ = std::move(resized);
}

void WindowSurface::Repaint(softgdi::Box box) {
  const std::int32_t left = std::max(box.x, 0);
  const std::int32_t top = std::max(box.y, 0);
  const softgdi::Box clipped{left, top, std::min(box.x + box.width, frame_.width) - left,
                             std::min(box.y + box.height, frame_.height) - top};
  if (!clipped.Empty()) presenter_->Put(frame_, clipped);
}

}  // namespace quellar::x11
