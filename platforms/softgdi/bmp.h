#pragma once
// Decoding of the program's bitmap resources (Windows BMP files, 24 bits per pixel).

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "platforms/softgdi/surface.h"

namespace quellar::softgdi {

// The decoded picture, or a message saying what is wrong with the file.
using DecodedBmp = std::variant<Surface, std::string>;

// Accepts uncompressed 24- and 32-bit files, bottom-up or top-down. A truncated or malformed
// file gives a message, never a read outside `file`.
DecodedBmp DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace quellar::softgdi
