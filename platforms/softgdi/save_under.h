#pragma once
// What drawing overwrote in a bitmap since it was last shown: the boxes written, each with the
// pixels it held before. The bitmap's pixels with these put back, newest first so that the
// oldest wins, are the pixels last shown. Its buffers keep their capacity: once warm, keeping
// costs no allocation.

#include <cstddef>
#include <span>
#include <vector>

#include "platforms/softgdi/surface.h"

namespace quellar::softgdi {

class SaveUnder {
 public:
  // `box` of `pixels` (rows of `width` words), about to be overwritten.
  void Keep(std::span<const Pixel> pixels, std::int32_t width, Box box);
  void Clear();
  // Calls `put(box, pixels)` for every kept box, newest first; `pixels` are the box's rows.
  template <typename Put>
  void ForEachNewestFirst(Put put) const {
    for (auto kept = kept_.rbegin(); kept != kept_.rend(); ++kept) {
      const auto area =
          static_cast<std::size_t>(kept->box.width) * static_cast<std::size_t>(kept->box.height);
      put(kept->box, std::span<const Pixel>(pixels_).subspan(kept->offset, area));
    }
  }

 private:
  struct Kept {
    Box box;
    std::size_t offset;  // into pixels_
  };
  std::vector<Kept> kept_;
  std::vector<Pixel> pixels_;  // only grows: the first used_ are kept pixels
  std::size_t used_ = 0;
};

}  // namespace quellar::softgdi
