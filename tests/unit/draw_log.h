#pragma once
// Reads the block copies a run made out of the memory platform's call log.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace quellar::testing_support {

struct Blit {
  std::int64_t destination = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int64_t source = 0;
  std::int32_t sourceX = 0;
  std::int32_t sourceY = 0;
};

// The BitBlt calls from call `first` on that copy from `source`.
inline std::vector<Blit> BlitsFrom(const std::vector<std::string>& calls, std::size_t first,
                                   std::int64_t source) {
  std::vector<Blit> blits;
  for (std::size_t i = first; i < calls.size(); ++i) {
    if (!calls[i].starts_with("BitBlt(")) continue;
    std::istringstream in(calls[i].substr(7));
    Blit b;
    char comma;
    in >> b.destination >> comma >> b.x >> comma >> b.y >> comma >> b.width >> comma >>
        b.height >> comma >> b.source >> comma >> b.sourceX >> comma >> b.sourceY;
    if (b.source == source) blits.push_back(b);
  }
  return blits;
}

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

// The glyph cells copied from the glyph sheet `sheet` from call `first` on.
inline std::vector<CellDraw> CellDraws(const std::vector<std::string>& calls, std::size_t first,
                                       std::int64_t sheet) {
  std::vector<CellDraw> draws;
  for (const Blit& b : BlitsFrom(calls, first, sheet)) {
    if (b.width == 16 && b.height == 20) {
      draws.push_back({b.x, b.y, b.sourceX / 16, b.sourceY / 22});
    }
  }
  return draws;
}

}  // namespace quellar::testing_support
