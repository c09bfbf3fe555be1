#include "platforms/softgdi/damage.h"

#include <algorithm>

namespace quellar::softgdi {
namespace {

Box Bounding(Box a, Box b) {
  const std::int32_t left = std::min(a.x, b.x);
  const std::int32_t top = std::min(a.y, b.y);
  return {left, top, std::max(a.x + a.width, b.x + b.width) - left,
          std::max(a.y + a.height, b.y + b.height) - top};
}

bool Inside(Box inner, Box outer) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

}  // namespace

Box Intersect(Box a, Box b) {
  const std::int32_t left = std::max(a.x, b.x);
  const std::int32_t top = std::max(a.y, b.y);
  const Box both{left, top, std::min(a.x + a.width, b.x + b.width) - left,
                 std::min(a.y + a.height, b.y + b.height) - top};
  return both.Empty() ? Box{} : both;
}

void Damage::Add(Box box) {
  if (box.Empty()) return;
  if (boxes_.size() < maxBoxes_) {
    boxes_.push_back(box);
    return;
  }
  for (const Box& written : boxes_) box = Bounding(box, written);
  boxes_.assign(1, box);
}

void Damage::RemoveInside(Box shown) {
  std::erase_if(boxes_, [shown](Box box) { return Inside(box, shown); });
}

}  // namespace quellar::softgdi
