#pragma once
// The number rules as the program states them, written without its code, for the fuzz targets
// to hold the program's conversions against.

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quellar::fuzz {

inline std::string_view TrimmedOfSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Optional sign, digits, optional point with digits, spaces around: "1", "-2.5", ".5", not "5.".
inline bool HasNumberForm(std::string_view text) {
  text = TrimmedOfSpaces(text);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == text.npos ? "" : text.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return digits(whole) && digits(fraction) &&
         (point == text.npos ? !whole.empty() : !fraction.empty());
}

// A number of the form that a double holds: not one that overflows to infinity, nor one that
// is not zero but underflows to it.
inline std::optional<double> NumberOf(std::string_view text) {
  if (!HasNumberForm(text)) return std::nullopt;
  const std::string body(TrimmedOfSpaces(text));
  const double value = std::strtod(body.c_str(), nullptr);
  const bool zeroWritten = body.find_first_of("123456789") == std::string::npos;
  if (std::isinf(value) || (value == 0.0 && !zeroWritten)) return std::nullopt;
  return value;
}

// The floating-point unit's own rounding to nearest, ties to even.
inline double RoundedHalfEven(double value) {
  std::fesetround(FE_TONEAREST);
  return std::nearbyint(value);
}

template <typename Int>
std::optional<Int> InRange(std::optional<double> value) {
  if (!value || !std::isfinite(*value)) return std::nullopt;
  const double rounded = RoundedHalfEven(*value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

// Where the first tail that has the number form begins, dropping one leading character at a
// time; text.size() when there is none.
inline std::size_t FirstNumberTail(std::string_view text) {
  for (std::size_t start = 0; start < text.size(); ++start) {
    if (HasNumberForm(text.substr(start))) return start;
  }
  return text.size();
}

}  // namespace quellar::fuzz
