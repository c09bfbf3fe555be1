#include "platforms/web/canvas_target.h"

#include <algorithm>

#include "platforms/web/page_calls.h"

namespace quellar::web {
namespace {

// 0x00RRGGBB to the bytes R, G, B, 255 of a little-endian word.
std::uint32_t CanvasPixel(softgdi::Pixel pixel) {
  return 0xFF000000u | ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

softgdi::Box Clipped(softgdi::Box box, std::int32_t width, std::int32_t height) {
  const std::int32_t left = std::max(box.x, 0);
  const std::int32_t top = std::max(box.y, 0);
  const std::int32_t right = std::min(box.x + box.width, width);
  const std::int32_t bottom = std::min(box.y + box.height, height);
  return {left, top, right - left, bottom - top};
}

}  // namespace

void CanvasTarget::Resize(std::int32_t width, std::int32_t height) {
  width_ = width;
  height_ = height;
  rgba_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), CanvasPixel(0));
  pending_.clear();
  pending_.push_back({0, 0, width, height});
}

void CanvasTarget::ReceiveChanges(std::int32_t x, std::int32_t y, std::int32_t /*width*/,
                                  std::int32_t /*height*/, const softgdi::Surface& source,
                                  std::int32_t sourceX, std::int32_t sourceY,
                                  std::span<const softgdi::Box> changed) {
  const std::span<const softgdi::Pixel> pixels = source.Pixels();
  for (const softgdi::Box& change : changed) {
    const softgdi::Box box = Clipped(change, width_, height_);
    if (box.Empty()) continue;
    // A plain loop: handed to std::transform, the conversion stayed a call per pixel (four
    // times the time, in a profile of the page).
    for (std::int32_t row = box.y; row < box.y + box.height; ++row) {
      const softgdi::Pixel* from =
          pixels.data() + (sourceY + row - y) * source.width + (sourceX + box.x - x);
      std::uint32_t* to = rgba_.data() + row * width_ + box.x;
      for (std::int32_t column = 0; column < box.width; ++column)
        to[column] = CanvasPixel(from[column]);
    }
    pending_.push_back(box);
  }
}

void CanvasTarget::Put() {
  if (pending_.empty()) return;
  static_assert(sizeof(softgdi::Box) == 4 * sizeof(std::int32_t));
  quellar_canvas_put(rgba_.data(), width_, height_, &pending_.front().x,
                     static_cast<std::int32_t>(pending_.size()));
  pending_.clear();
}

}  // namespace quellar::web
