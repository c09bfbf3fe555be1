#pragma once
// The program icon, quellar.ico: the emblem at 16, 24 and 32 pixels in 16 colours.

#include <cstdint>
#include <vector>

namespace quellar::art {

std::vector<std::uint8_t> DrawProgramIcon();

}  // namespace quellar::art
