#pragma once
// GWL_STYLE and GWL_HWNDPARENT of a window that has neither (an X window, Wayland surfaces, a
// canvas): only recorded, and read back as they were set; any other index reads 0 and sets
// nothing.

#include <cstdint>
#include <utility>

#include "engine/platform.h"

namespace quellar {

class WindowLongs {
 public:
  std::int32_t Get(std::int32_t index) const {
    if (index == kGwlStyle) return style_;
    if (index == kGwlHwndParent) return static_cast<std::int32_t>(owner_);
    return 0;
  }
  // The value before.
  std::intptr_t Set(std::int32_t index, std::intptr_t value) {
    if (index == kGwlStyle) return std::exchange(style_, static_cast<std::int32_t>(value));
    if (index == kGwlHwndParent) return std::exchange(owner_, value);
    return 0;
  }

 private:
  std::int32_t style_ = 0;
  std::intptr_t owner_ = 0;
};

}  // namespace quellar
