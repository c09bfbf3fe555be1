#include "windows/memory/window_frame.h"

#include <algorithm>
#include <utility>

namespace quellar::memory {

void WindowFrame::Resize(std::int32_t width, std::int32_t height) {
  if (width == pixels_.width && height == pixels_.height) return;
  softgdi::Surface resized(width, height);
  softgdi::CopyPixels(resized, 0, 0, pixels_.width, pixels_.height, pixels_, 0, 0);
  pixels_ = std::move(resized);
  copiedWhole_.clear();
}

void WindowFrame::ReceiveCopy(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height, const softgdi::Surface& source,
                              std::int32_t sourceX, std::int32_t sourceY) {
  softgdi::CopyPixels(pixels_, x, y, width, height, source, sourceX, sourceY);
}

void WindowFrame::ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height, const softgdi::Surface& source,
                                 std::int32_t sourceX, std::int32_t sourceY,
                                 std::span<const softgdi::Box> changed) {
  const softgdi::Box place{x, y, width, height};
  if (std::find(copiedWhole_.begin(), copiedWhole_.end(), place) == copiedWhole_.end()) {
    copiedWhole_.push_back(place);
    return ReceiveCopy(x, y, width, height, source, sourceX, sourceY);
  }
  for (const softgdi::Box& box : changed) {
    softgdi::CopyPixels(pixels_, box.x, box.y, box.width, box.height, source, box.x - x + sourceX,
                        box.y - y + sourceY);
  }
}

}  // namespace quellar::memory
