#include "platforms/wayland/pixel_layout.h"

#include <algorithm>

namespace quellar::wayland {
namespace {

bool AtOrigin(const OutputGeometry& output) {
  return output.x == 0 && output.y == 0;
}

bool LeftThenTop(const OutputGeometry& a, const OutputGeometry& b) {
  return a.x != b.x ? a.x < b.x : a.y < b.y;
}

}  // namespace

std::vector<monitors::MonitorInfo> PixelLayout(std::span<const OutputGeometry> outputs) {
  std::vector<monitors::MonitorInfo> monitors;
  if (outputs.empty()) return monitors;
  const std::int32_t widest =
      std::ranges::max(outputs, {}, [](const OutputGeometry& o) { return o.scale; }).scale;
  const std::int32_t step = std::max(widest, 1);
  auto primary = std::ranges::find_if(outputs, AtOrigin);
  if (primary == outputs.end()) primary = std::ranges::min_element(outputs, LeftThenTop);
  for (const OutputGeometry& output : outputs) {
    const std::int32_t scale = std::max(output.scale, 1);
    const std::int32_t left = output.x * step;
    const std::int32_t top = output.y * step;
    monitors.push_back({Rect{left, top, left + output.width * scale, top + output.height * scale},
                        &output == &*primary});
  }
  return monitors;
}

}  // namespace quellar::wayland
