#pragma once
// The parts of a surface written since some moment (its last copy to a window, say), kept as
// the boxes that were written. Whoever shows the surface again needs to send only those.

#include <cstddef>
#include <span>
#include <vector>

#include "platforms/softgdi/surface.h"

namespace quellar::softgdi {

// The pixels both boxes cover; empty when they do not meet.
Box Intersect(Box a, Box b);

class Damage {
 public:
  // Past this many boxes only their bounding box is kept: a surface drawn on for long and
  // never shown then costs no more than one shown every frame. A frame of rain at 3840 pixels
  // across draws about 1200 cells.
  static constexpr std::size_t kMaxBoxes = 4096;

  // Keeps up to `maxBoxes` boxes, with room for them from the start, so that nothing is
  // allocated while frames are drawn.
  explicit Damage(std::size_t maxBoxes = kMaxBoxes) : maxBoxes_(maxBoxes) {
    boxes_.reserve(maxBoxes);
  }

  void Add(Box box);
  void Clear() { boxes_.clear(); }
  // Forgets the boxes that lie wholly inside `shown`; a box that sticks out stays whole.
  void RemoveInside(Box shown);
  std::span<const Box> Boxes() const { return boxes_; }
  bool Empty() const { return boxes_.empty(); }

 private:
  std::size_t maxBoxes_;
  std::vector<Box> boxes_;
};

}  // namespace quellar::softgdi
