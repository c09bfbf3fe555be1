#pragma once
// Geometric shapes as coverage masks. Edges are anti-aliased by counting which of a fixed grid
// of sample points per pixel fall inside, which keeps the output identical from run to run.

#include <functional>

#include "tools/art/image.h"

namespace quellar::art {

// Whether the point (in pixel units, pixel centres at .5) lies inside a shape.
using Region = std::function<bool(double x, double y)>;

Coverage Rasterize(int width, int height, const Region& region);

struct RoundedRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  double radius = 0;

  bool Contains(double x, double y) const;
};

// A frame `thickness` pixels wide along the edges of a width x height plane, its outer
// corners rounded with `radius` and the inner ones concentric with them.
Coverage RoundedFrame(int width, int height, int thickness, double radius);

}  // namespace quellar::art
