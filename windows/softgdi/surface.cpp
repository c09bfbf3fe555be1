#include "windows/softgdi/surface.h"

#include <algorithm>
#include <utility>

namespace quellar::softgdi {

Surface::Surface(std::int32_t w, std::int32_t h)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      owned_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Pixel{0}) {}

Surface::Surface(std::int32_t w, std::int32_t h, std::unique_ptr<PixelStore> store)
    : width(std::max(w, 0)), height(std::max(h, 0)), store_(std::move(store)) {}

Surface::Surface(const Surface& other)
    : width(other.width),
      height(other.height),
      owned_(other.Pixels().begin(), other.Pixels().end()) {}

Surface& Surface::operator=(const Surface& other) {
  if (this != &other) *this = Surface(other);
  return *this;
}

Pixel Surface::At(std::int32_t x, std::int32_t y) const {
  return Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

Pixel& Surface::At(std::int32_t x, std::int32_t y) {
  return Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

Box CopyPixels(Surface& destination, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height, const Surface& source, std::int32_t sourceX,
               std::int32_t sourceY) {
  // Trim the left/top edges against both surfaces, moving both origins together.
  const std::int32_t trimLeft = std::max({0, -x, -sourceX});
  const std::int32_t trimTop = std::max({0, -y, -sourceY});
  x += trimLeft;
  sourceX += trimLeft;
  y += trimTop;
  sourceY += trimTop;
  width = std::min({width - trimLeft, destination.width - x, source.width - sourceX});
  height = std::min({height - trimTop, destination.height - y, source.height - sourceY});
  const Box written{x, y, width, height};
  if (written.Empty()) return Box{};
  destination.BeforeWrite(written);
  const std::span<const Pixel> from = source.Pixels();
  const std::span<Pixel> to = destination.Pixels();
  for (std::int32_t row = 0; row < height; ++row) {
    const auto fromRow =
        from.begin() + (static_cast<std::ptrdiff_t>(sourceY + row) * source.width + sourceX);
    const auto toRow = to.begin() + (static_cast<std::ptrdiff_t>(y + row) * destination.width + x);
    std::copy_n(fromRow, width, toRow);
  }
  return written;
}

}  // namespace quellar::softgdi
