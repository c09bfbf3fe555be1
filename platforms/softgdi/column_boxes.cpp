#include "platforms/softgdi/column_boxes.h"

#include <algorithm>
#include <tuple>

#include "platforms/softgdi/damage.h"

namespace quellar::softgdi {

void MergeColumnBoxes(std::span<const Box> boxes, Box bounds, std::vector<Box>& merged) {
  merged.clear();
  for (const Box box : boxes) {
    const Box clipped = Intersect(box, bounds);
    if (!clipped.Empty()) merged.push_back(clipped);
  }
  std::sort(merged.begin(), merged.end(), [](const Box& a, const Box& b) {
    return std::tie(a.x, a.width, a.y) < std::tie(b.x, b.width, b.y);
  });
  std::size_t kept = 0;
  for (const Box& box : merged) {
    Box* last = kept == 0 ? nullptr : &merged[kept - 1];
    const bool sameColumn = last != nullptr && last->x == box.x && last->width == box.width;
    if (sameColumn && box.y <= last->y + last->height) {
      last->height = std::max(last->height, box.y + box.height - last->y);
    } else {
      merged[kept++] = box;
    }
  }
  merged.resize(kept);
}

}  // namespace quellar::softgdi
