#pragma once
// The program's bitmap resources built into the executable, by resource number.

#include <cstdint>
#include <span>

namespace quellar::resources {

// The BMP file of bitmap `id` (101-104, or 105 for the dialog banner); empty when there is none.
std::span<const std::uint8_t> EmbeddedBitmap(std::int16_t id);

}  // namespace quellar::resources
