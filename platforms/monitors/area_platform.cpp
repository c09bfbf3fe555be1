#include "platforms/monitors/area_platform.h"

#include <algorithm>

namespace quellar::monitors {
namespace {

constexpr float kTwipsPerPixel = 15.0f;

}  // namespace

void AreaPlatform::Place(Rect area, Rect window) {
  placed_ = true;
  area_ = area;
  window_ = window;
}

ScreenTwips AreaPlatform::ScreenSize() {
  if (!placed_ && onFirstScreenQuestion_) onFirstScreenQuestion_();
  if (!placed_) return ForwardingPlatform::ScreenSize();
  return {static_cast<float>(Width(area_)) * kTwipsPerPixel,
          static_cast<float>(Height(area_)) * kTwipsPerPixel};
}

// The full-screen placement asks for the screen's size at the origin; the window goes over the
// monitors instead. A move that keeps the size (the end of a run) is in the engine's terms too,
// where the window lies at the origin: (0, 0) is where the window already is.
std::int32_t AreaPlatform::SetWindowPos(Handle window, Handle insertAfter, std::int32_t x,
                                        std::int32_t y, std::int32_t width, std::int32_t height,
                                        std::uint32_t flags) {
  if (!placed_ || window != Inner().MainWindow()) {
    return Inner().SetWindowPos(window, insertAfter, x, y, width, height, flags);
  }
  if ((flags & kSwpNoSize) != 0) {
    return Inner().SetWindowPos(window, insertAfter, window_.left + x, window_.top + y, width,
                                height, flags);
  }
  return Inner().SetWindowPos(window, insertAfter, window_.left, window_.top, Width(window_),
                              Height(window_), flags);
}

Handle AreaPlatform::GetWindowDC(Handle window) {
  const Handle dc = Inner().GetWindowDC(window);
  if (placed_ && window == Inner().MainWindow()) windowDc_ = dc;
  return dc;
}

bool AreaPlatform::BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, Handle source, std::int32_t sourceX,
                          std::int32_t sourceY, std::uint32_t rop) {
  if (placed_ && windowDc_ != 0 && destination == windowDc_) {
    // A surface larger than its area (its monitor shrank during the run) stays inside it.
    width = std::min(width, Width(area_) - x);
    height = std::min(height, Height(area_) - y);
    x += area_.left;
    y += area_.top;
  }
  return Inner().BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
}

}  // namespace quellar::monitors
