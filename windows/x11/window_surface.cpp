#include "windows/x11/window_surface.h"

#include <algorithm>
#include <utility>

#include "windows/softgdi/damage.h"

namespace quellar::x11 {

using softgdi::Box;

WindowSurface::WindowSurface(std::unique_ptr<Presenter> presenter, std::int32_t width,
                             std::int32_t height)
    : presenter_(std::move(presenter)),
      opaqueBits_(presenter_->OpaqueBits()),
      frame_(NewFrame(width, height)) {}

// Black, as a new window shows before its first copy.
softgdi::Surface WindowSurface::NewFrame(std::int32_t width, std::int32_t height) const {
  softgdi::Surface frame(width, height);
  if (opaqueBits_ != 0) std::fill(frame.pixels.begin(), frame.pixels.end(), opaqueBits_);
  return frame;
}

void WindowSurface::MakeOpaque(Box box) {
  if (opaqueBits_ == 0) return;
  for (std::int32_t y = box.y; y < box.y + box.height; ++y) {
    const std::span<softgdi::Pixel> row(&frame_.At(box.x, y), static_cast<std::size_t>(box.width));
    for (softgdi::Pixel& pixel : row) pixel |= opaqueBits_;
  }
}

void WindowSurface::ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, const softgdi::Surface& source,
                                std::int32_t sourceX, std::int32_t sourceY) {
  const Box copy{x, y, width, height};
  ReceiveChanges(x, y, width, height, source, sourceX, sourceY, {&copy, 1});
}

void WindowSurface::ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width,
                                   std::int32_t height, const softgdi::Surface& source,
                                   std::int32_t sourceX, std::int32_t sourceY,
                                   std::span<const Box> changed) {
  const Box copy{x, y, width, height};
  if (std::exchange(resized_, false) || wholeFrames_) changed = {&copy, 1};
  shown_.clear();
  for (const Box box : changed) {
    const Box part = softgdi::Intersect(box, copy);
    const Box written = softgdi::CopyPixels(frame_, part.x, part.y, part.width, part.height, source,
                                            part.x - x + sourceX, part.y - y + sourceY);
    if (written.Empty()) continue;
    MakeOpaque(written);
    shown_.push_back(written);
  }
  if (shown_.empty()) return;
  presenter_->Show(frame_, shown_);
  copied_ = true;
}

void WindowSurface::Resize(std::int32_t width, std::int32_t height) {
  if (width == frame_.width && height == frame_.height) return;
  softgdi::Surface resized = NewFrame(width, height);
  softgdi::CopyPixels(resized, 0, 0, frame_.width, frame_.height, frame_, 0, 0);
  frame_ = std::move(resized);
  resized_ = true;
}

// Before the first copy the window shows its background, and that copy sends the whole window
// anyway (the soft GDI takes a bitmap's first copy to a window as new everywhere).
void WindowSurface::Repaint(Box box) {
  if (!copied_) return;
  const Box clipped = softgdi::Intersect(box, {0, 0, frame_.width, frame_.height});
  if (!clipped.Empty()) presenter_->Show(frame_, {&clipped, 1});
}

}  // namespace quellar::x11
