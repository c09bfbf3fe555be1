#include "tools/art/image.h"

#include <algorithm>
#include <stdexcept>

namespace quellar::art {
namespace {

std::size_t CheckedIndex(int x, int y, int width, int height) {
  if (x < 0 || y < 0 || x >= width || y >= height) throw std::out_of_range("pixel outside plane");
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x);
}

std::size_t Area(int width, int height) {
  if (width < 0 || height < 0) throw std::invalid_argument("negative plane size");
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

std::uint8_t Mix(std::uint8_t under, std::uint8_t ink, std::uint8_t coverage) {
  const int mixed = under * (255 - coverage) + ink * coverage;
  return static_cast<std::uint8_t>((mixed + 127) / 255);
}

}  // namespace

Coverage::Coverage(int width, int height)
    : width_(width), height_(height), values_(Area(width, height), 0) {}

std::size_t Coverage::Index(int x, int y) const {
  return CheckedIndex(x, y, width_, height_);
}

void Coverage::Merge(const Coverage& other, int x, int y) {
  for (int row = 0; row < other.Height(); ++row) {
    for (int column = 0; column < other.Width(); ++column) {
      const int tx = x + column;
      const int ty = y + row;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      Set(tx, ty, std::max(At(tx, ty), other.At(column, row)));
    }
  }
}

Coverage Coverage::MirroredHorizontally() const {
  Coverage mirrored(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) mirrored.Set(width_ - 1 - x, y, At(x, y));
  }
  return mirrored;
}

std::optional<Bounds> Coverage::InkBounds() const {
  std::optional<Bounds> bounds;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) == 0) continue;
      if (!bounds) bounds = Bounds{x, y, x + 1, y + 1};
      bounds->left = std::min(bounds->left, x);
      bounds->right = std::max(bounds->right, x + 1);
      bounds->bottom = y + 1;
    }
  }
  return bounds;
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(Area(width, height), fill) {}

std::size_t Image::Index(int x, int y) const {
  return CheckedIndex(x, y, width_, height_);
}

void Image::Paint(const Coverage& mask, int x, int y, Rgb ink) {
  for (int row = 0; row < mask.Height(); ++row) {
    for (int column = 0; column < mask.Width(); ++column) {
      const int tx = x + column;
      const int ty = y + row;
      const std::uint8_t coverage = mask.At(column, row);
      if (coverage == 0 || tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      Set(tx, ty, Blend(At(tx, ty), ink, coverage));
    }
  }
}

Rgb Blend(Rgb under, Rgb ink, std::uint8_t coverage) {
  return {Mix(under.r, ink.r, coverage), Mix(under.g, ink.g, coverage),
          Mix(under.b, ink.b, coverage)};
}

}  // namespace quellar::art
