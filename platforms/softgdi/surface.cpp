#include "platforms/softgdi/surface.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <utility>

namespace quellar::softgdi {
namespace {

constexpr std::size_t kGlyphWidth = 16;

std::size_t Index(const Surface& surface, std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.width) +
         static_cast<std::size_t>(x);
}

// Rows one glyph cell wide, each read whole before it is written, as memmove does.
void CopyGlyphRows(const Pixel* from, std::ptrdiff_t fromStride, Pixel* to, std::ptrdiff_t toStride,
                   std::int32_t height) {
  std::array<Pixel, kGlyphWidth> row;
  for (std::int32_t line = 0; line < height; ++line) {
    std::memcpy(row.data(), from, sizeof row);
    std::memcpy(to, row.data(), sizeof row);
    from += fromStride;
    to += toStride;
  }
}

}  // namespace

// Most copies are glyph cells: at a row length known here the copy is inlined, where a library
// call per row costs more than the row.
void CopyRows(const Pixel* from, std::ptrdiff_t fromStride, Pixel* to, std::ptrdiff_t toStride,
              std::int32_t width, std::int32_t height) {
  if (static_cast<std::size_t>(width) == kGlyphWidth) {
    return CopyGlyphRows(from, fromStride, to, toStride, height);
  }
  const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
  for (std::int32_t line = 0; line < height; ++line) {
    std::memmove(to, from, rowBytes);
    from += fromStride;
    to += toStride;
  }
}

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
  return Pixels()[Index(*this, x, y)];
}

Pixel& Surface::At(std::int32_t x, std::int32_t y) {
  return Pixels()[Index(*this, x, y)];
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
  const Pixel* from = source.Pixels().data() + Index(source, sourceX, sourceY);
  Pixel* to = destination.Pixels().data() + Index(destination, x, y);
  CopyRows(from, source.width, to, destination.width, width, height);
  return written;
}

}  // namespace quellar::softgdi
