#pragma once
// The outputs as monitors of one desktop in device pixels. The compositor places outputs in
// logical units, and an output of scale 2 has twice as many device pixels across as logical
// ones: multiplying every position by the largest scale keeps the outputs apart (a gap where
// scales differ, never an overlap) and in the same order, so the rain is drawn at every output's
// own pixels.

#include <cstdint>
#include <span>
#include <vector>

#include "platforms/monitors/monitor_layout.h"

namespace quellar::wayland {

// An output as xdg-output and wl_output describe it.
struct OutputGeometry {
  std::int32_t x = 0;  // logical position and size
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t scale = 1;
};

// The outputs' places, in the same order. The primary is the output at the logical origin, else
// the leftmost, of those the topmost.
std::vector<monitors::MonitorInfo> PixelLayout(std::span<const OutputGeometry> outputs);

}  // namespace quellar::wayland
