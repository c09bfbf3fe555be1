#pragma once
// Windows icon files in the classic 16-colour form, which every Windows version and Wine draw:
// per image a 4-bit colour plane over a 16-entry palette and a 1-bit transparency mask.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/art/image.h"

namespace quellar::art {

using IconPalette = std::array<Rgb, 16>;

// One square image of the icon. Both planes hold size x size entries, rows top to bottom.
struct IconImage {
  int size = 0;
  std::vector<std::uint8_t> colours;  // palette indices 0-15
  std::vector<bool> transparent;      // the desktop shows through (colour index must be 0)
};

std::vector<std::uint8_t> EncodeIco(const IconPalette& palette, std::span<const IconImage> images);

}  // namespace quellar::art
