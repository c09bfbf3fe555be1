#include "windows/softgdi/surface.h"

#include <algorithm>

namespace quellar::softgdi {

Surface::Surface(std::int32_t w, std::int32_t h)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Pixel{0}) {}

Pixel Surface::At(std::int32_t x, std::int32_t y) const {
  return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)];
}

Pixel& Surface::At(std::int32_t x, std::int32_t y) {
  return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
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
  for (std::int32_t row = 0; row < height; ++row) {
    const auto from = source.pixels.begin() + (static_cast<std::ptrdiff_t>(sourceY + row) *
                                                   source.width + sourceX);
    const auto to = destination.pixels.begin() +
                    (static_cast<std::ptrdiff_t>(y + row) * destination.width + x);
    std::copy_n(from, width, to);
  }
  return written;
}

}  // namespace quellar::softgdi
