#include "platforms/softgdi/save_under.h"

namespace quellar::softgdi {

void SaveUnder::Keep(std::span<const Pixel> pixels, std::int32_t width, Box box) {
  const std::size_t offset = used_;
  used_ += static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height);
  if (pixels_.size() < used_) pixels_.resize(used_);
  kept_.push_back({box, offset});
  CopyRows(pixels.data() + static_cast<std::size_t>(box.y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(box.x),
           width, pixels_.data() + offset, box.width, box.width, box.height);
}

void SaveUnder::Clear() {
  kept_.clear();
  used_ = 0;
}

}  // namespace quellar::softgdi
