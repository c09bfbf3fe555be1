#pragma once
// Boxes in test failures as {x, y, width, height}.

#include <ostream>

#include "windows/softgdi/surface.h"

namespace quellar::softgdi {

inline void PrintTo(const Box& box, std::ostream* out) {
  *out << "{" << box.x << ", " << box.y << ", " << box.width << ", " << box.height << "}";
}

}  // namespace quellar::softgdi
