#pragma once
// The program icon: quellar.ico, the emblem at 16, 24 and 32 pixels in 16 colours for Windows,
// and the same emblem in full colour with soft edges as PNG files for desktop icon themes.

#include <array>
#include <cstdint>
#include <vector>

namespace quellar::art {

std::vector<std::uint8_t> DrawProgramIcon();

// The sizes icon themes look for (hicolor's <n>x<n>/apps), smallest first.
inline constexpr std::array<int, 7> kThemeIconSizes{16, 24, 32, 48, 64, 128, 256};

// The PNG file of one of those sizes.
std::vector<std::uint8_t> DrawThemeIcon(int size);

}  // namespace quellar::art
