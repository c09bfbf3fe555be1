#include "platforms/wayland/window_surface.h"

#include "platforms/softgdi/damage.h"

namespace quellar::wayland {

using softgdi::Box;

WindowSurface::WindowSurface(WaylandDisplay& display) : display_(display) {
  onOutput_.reserve(softgdi::Damage::kMaxBoxes);
}

void WindowSurface::MoveTo(std::int32_t x, std::int32_t y) {
  originX_ = x;
  originY_ = y;
}

// Window (x, y) shows source (x - dx, y - dy); an output's (0, 0) lies at its place in the
// layout less the window's origin.
void WindowSurface::ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t width,
                                   std::int32_t height, const softgdi::Surface& source,
                                   std::int32_t sourceX, std::int32_t sourceY,
                                   std::span<const Box> changed) {
  const Box copy{x, y, width, height};
  for (const WaylandDisplay::Covered& covered : display_.CoveredOutputs()) {
    const Rect& place = covered.monitor.rect;
    const std::int32_t left = place.left - originX_;
    const std::int32_t top = place.top - originY_;
    const Box output{left, top, place.right - place.left, place.bottom - place.top};
    onOutput_.clear();
    for (const Box& box : changed) {
      const Box part = softgdi::Intersect(softgdi::Intersect(box, copy), output);
      if (!part.Empty())
        onOutput_.push_back({part.x - left, part.y - top, part.width, part.height});
    }
    if (onOutput_.empty()) continue;
    covered.surface->Receive(source, left + sourceX - x, top + sourceY - y, onOutput_);
    covered.surface->Commit();
  }
}

}  // namespace quellar::wayland
