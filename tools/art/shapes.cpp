#include "tools/art/shapes.h"

#include <algorithm>
#include <cmath>

namespace quellar::art {
namespace {

// 8 x 8 samples give 65 coverage levels, finer than the 8-bit output needs at any edge.
constexpr int kSamplesPerSide = 8;

}  // namespace

Coverage Rasterize(int width, int height, const Region& region) {
  Coverage mask(width, height);
  constexpr int kSamples = kSamplesPerSide * kSamplesPerSide;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamplesPerSide; ++sy) {
        for (int sx = 0; sx < kSamplesPerSide; ++sx) {
          const double px = x + (sx + 0.5) / kSamplesPerSide;
          const double py = y + (sy + 0.5) / kSamplesPerSide;
          if (region(px, py)) ++inside;
        }
      }
      mask.Set(x, y, static_cast<std::uint8_t>((inside * 255 + kSamples / 2) / kSamples));
    }
  }
  return mask;
}

bool RoundedRect::Contains(double x, double y) const {
  if (x < left || x > right || y < top || y > bottom) return false;
  // Distance into the corner square; outside the corner squares the rectangle is plain.
  const double dx = std::max({left + radius - x, x - (right - radius), 0.0});
  const double dy = std::max({top + radius - y, y - (bottom - radius), 0.0});
  return dx * dx + dy * dy <= radius * radius;
}

Coverage RoundedFrame(int width, int height, int thickness, double radius) {
  const RoundedRect outer{0, 0, static_cast<double>(width), static_cast<double>(height), radius};
  const RoundedRect inner{static_cast<double>(thickness), static_cast<double>(thickness),
                          static_cast<double>(width - thickness),
                          static_cast<double>(height - thickness),
                          std::max(radius - thickness, 0.0)};
  return Rasterize(width, height, [&](double x, double y) {
    return outer.Contains(x, y) && !inner.Contains(x, y);
  });
}

}  // namespace quellar::art
