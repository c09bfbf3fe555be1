#include "windows/softgdi/save_under.h"

namespace quellar::softgdi {

void SaveUnder::Keep(std::span<const Pixel> pixels, std::int32_t width, Box box) {
  kept_.push_back({box, pixels_.size()});
  for (std::int32_t y = box.y; y < box.y + box.height; ++y) {
    const auto row = pixels.subspan(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                        static_cast<std::size_t>(box.x),
                                    static_cast<std::size_t>(box.width));
    pixels_.insert(pixels_.end(), row.begin(), row.end());
  }
}

void SaveUnder::Clear() {
  kept_.clear();
  pixels_.clear();
}

}  // namespace quellar::softgdi
