#pragma once
// Reads the cell copies a run made out of the memory platform's call log.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace quellar::testing_support {

struct CellDraw {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t glyph = 0;
  std::int32_t shade = 0;
  bool operator==(const CellDraw&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const CellDraw& d) {
  return out << "(" << d.x << "," << d.y << ": " << d.glyph << "/" << d.shade << ")";
}

// The 16 x 20 copies from `sourceDc` in the calls from `first` on.
inline std::vector<CellDraw> CellDraws(const std::vector<std::string>& calls, std::size_t first,
                                       std::int64_t sourceDc) {
  std::vector<CellDraw> draws;
  for (std::size_t i = first; i < calls.size(); ++i) {
    if (!calls[i].starts_with("BitBlt(")) continue;
    std::istringstream in(calls[i].substr(7));
    std::int64_t destination, x, y, width, height, source, sourceX, sourceY;
    char comma;
    in >> destination >> comma >> x >> comma >> y >> comma >> width >> comma >> height >> comma >>
        source >> comma >> sourceX >> comma >> sourceY;
    if (source != sourceDc || width != 16 || height != 20) continue;
    draws.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                     static_cast<std::int32_t>(sourceX / 16),
                     static_cast<std::int32_t>(sourceY / 22)});
  }
  return draws;
}

}  // namespace quellar::testing_support
