#include "tools/art/ico_file.h"

#include <stdexcept>

#include "tools/art/byte_io.h"

namespace quellar::art {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

std::uint32_t Stride(int size, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(size * bitsPerPixel) + 31u) / 32u) * 4u;
}

std::uint32_t ImageBytes(int size) {
  return kInfoHeaderSize + kPaletteSize +
         (Stride(size, 4) + Stride(size, 1)) * static_cast<std::uint32_t>(size);
}

std::size_t At(const IconImage& image, int x, int y) {
  return static_cast<std::size_t>(y * image.size + x);
}

// Rows go bottom-up, as in every device-independent bitmap.
void PutColourPlane(std::vector<std::uint8_t>& out, const IconImage& image) {
  for (int y = image.size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(Stride(image.size, 4), 0);
    for (int x = 0; x < image.size; ++x) {
      const auto index = static_cast<std::uint8_t>(image.colours[At(image, x, y)] & 0x0Fu);
      row[static_cast<std::size_t>(x / 2)] |=
          static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

void PutMaskPlane(std::vector<std::uint8_t>& out, const IconImage& image) {
  for (int y = image.size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(Stride(image.size, 1), 0);
    for (int x = 0; x < image.size; ++x) {
      if (image.transparent[At(image, x, y)]) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

void PutImage(std::vector<std::uint8_t>& out, const IconPalette& palette, const IconImage& image) {
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(image.size));
  PutU32(out, static_cast<std::uint32_t>(image.size * 2));  // colour plane and mask stacked
  PutU16(out, 1);
  PutU16(out, 4);
  PutU32(out, 0);
  PutU32(out, ImageBytes(image.size) - kInfoHeaderSize - kPaletteSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 16);
  PutU32(out, 0);
  for (const Rgb colour : palette) {
    out.insert(out.end(), {colour.b, colour.g, colour.r, 0});
  }
  PutColourPlane(out, image);
  PutMaskPlane(out, image);
}

void CheckImage(const IconImage& image) {
  const auto area = static_cast<std::size_t>(image.size * image.size);
  if (image.size <= 0 || image.size > 255 || image.colours.size() != area ||
      image.transparent.size() != area) {
    throw std::invalid_argument("malformed icon image");
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const IconPalette& palette, std::span<const IconImage> images) {
  std::vector<std::uint8_t> out;
  PutU16(out, 0);
  PutU16(out, 1);  // icon, not cursor
  PutU16(out, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (const IconImage& image : images) {
    CheckImage(image);
    out.push_back(static_cast<std::uint8_t>(image.size));
    out.push_back(static_cast<std::uint8_t>(image.size));
    out.push_back(16);  // colours
    out.push_back(0);
    PutU16(out, 1);  // planes
    PutU16(out, 4);  // bits per pixel
    PutU32(out, ImageBytes(image.size));
    PutU32(out, offset);
    offset += ImageBytes(image.size);
  }
  for (const IconImage& image : images) PutImage(out, palette, image);
  return out;
}

}  // namespace quellar::art
