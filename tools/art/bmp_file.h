#pragma once
// Windows bitmap files as the program's resources hold them: 24 bits per pixel, uncompressed
// (BI_RGB), rows stored bottom-up and padded to four bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tools/art/image.h"

namespace quellar::art {

// The header fields a resource loader depends on.
struct BmpHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: rows bottom-up
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t pixelOffset = 0;
  std::uint32_t fileSize = 0;
};

std::vector<std::uint8_t> EncodeBmp(const Image& image);

// Nothing when the bytes are not a bitmap file with a complete header.
std::optional<BmpHeader> ReadBmpHeader(std::span<const std::uint8_t> bytes);

// Reads back only the form EncodeBmp writes; anything else gives nothing.
std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes);

}  // namespace quellar::art
