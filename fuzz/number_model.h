#pragma once
// What the fuzz targets hold the program against: the number rules written without its code,
// and the report of a finding.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quellar::fuzz {
// Prints what disagreed with the model and aborts, so that libFuzzer keeps the input.
inline void Check(bool holds, std::string_view what, std::string_view input = {}) {
  if (holds) return;
  std::fprintf(stderr, "finding: %.*s [%.*s]\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(input.size()), input.data());
  std::abort();
}

// ASCII letters through `fold` (tolower or toupper), other bytes as they are.
inline std::string Folded(std::string_view text, int (*fold)(int)) {
  std::string folded(text);
  for (char& c : folded) c = (c & 0x80) != 0 ? c : static_cast<char>(fold(c));
  return folded;
}

inline std::string_view TrimmedOfSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == text.npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Optional sign, digits, optional point with digits, spaces around: "1", "-2.5", ".5", not "5.".
inline bool HasNumberForm(std::string_view text) {
  text = TrimmedOfSpaces(text);
  if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::string_view fraction = text.substr(std::min(point + 1, text.size()));
  return text.find_first_not_of("0123456789.") == text.npos &&
         fraction.find('.') == fraction.npos &&
         (point == text.size() ? point > 0 : !fraction.empty());
}

// A number of that form that a double holds: not one that overflows to infinity, nor one that
// is not zero but underflows to it.
inline std::optional<double> NumberOf(std::string_view text) {
  const std::string body(TrimmedOfSpaces(text));
  const double value = HasNumberForm(body) ? std::strtod(body.c_str(), nullptr) : NAN;
  const bool zeroWritten = body.find_first_of("123456789") == body.npos;
  if (!std::isfinite(value) || (value == 0.0 && !zeroWritten)) return std::nullopt;
  return value;
}

// Rounded by the floating-point unit (to nearest, ties to even) and range-checked.
template <typename Int>
std::optional<Int> InRange(std::optional<double> value) {
  using Limits = std::numeric_limits<Int>;
  const double rounded = value ? std::nearbyint(*value) : NAN;  // NaN fails both comparisons
  const bool fits = rounded >= Limits::min() && rounded <= Limits::max();
  return fits ? std::optional<Int>(static_cast<Int>(rounded)) : std::nullopt;
}

// Where the first tail of that form begins (or the end), dropping one leading character a time.
inline std::size_t FirstNumberTail(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && !HasNumberForm(text.substr(start))) ++start;
  return start;
}
}  // namespace quellar::fuzz
