#include "base/conversions.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace quellar {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Digits before the point, then optionally a point and at least one digit.
bool IsPlainDecimal(std::string_view body) {
  std::size_t i = 0;
  while (i < body.size() && IsDigit(body[i])) ++i;
  const bool hasIntegerDigits = i > 0;
  if (i == body.size()) return hasIntegerDigits;
  if (body[i] != '.') return false;
  const std::size_t fractionStart = ++i;
  while (i < body.size() && IsDigit(body[i])) ++i;
  return i == body.size() && i > fractionStart;
}

template <typename Int>
std::optional<Int> ToRange(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

template <typename Int>
std::optional<Int> TextToRange(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  return ToRange<Int>(*number);
}

// The digits of a plain decimal, as a double rounded to nearest; nothing for a number too large
// (or too small) for a double, which no conversion can take.
std::optional<double> DecimalValue(std::string_view digits) {
#if defined(__cpp_lib_to_chars)
  // from_chars reads the digits whatever the process locale says a decimal point is.
  double value = 0.0;
  if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc{}) {
    return std::nullopt;
  }
  return value;
#else
  // The web build's C++ library has no floating-point from_chars; its C library rounds as
  // exactly, and a page never leaves the C locale.
  const std::string text(digits);
  errno = 0;
  const double value = std::strtod(text.c_str(), nullptr);
  if (errno == ERANGE) return std::nullopt;
  return value;
#endif
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  std::string_view body = TrimSpaces(text);
  const bool negative = !body.empty() && body.front() == '-';
  if (!body.empty() && (body.front() == '+' || negative)) body.remove_prefix(1);
  if (!IsPlainDecimal(body)) return std::nullopt;
  const std::optional<double> magnitude = DecimalValue(body);
  if (!magnitude) return std::nullopt;
  return negative ? -*magnitude : *magnitude;
}

// Read from the end, the tail is spaces, then digits, or digits after a point with optional
// digits before it, then an optional sign, then spaces: the forms ParseNumber accepts.
std::size_t LongestNumberTail(std::string_view text) {
  const auto before = [&text](std::size_t end, auto isPart) {
    while (end > 0 && isPart(text[end - 1])) --end;
    return end;
  };
  const auto isSpace = [](char c) { return c == ' '; };
  const std::size_t end = before(text.size(), isSpace);
  std::size_t start = before(end, IsDigit);
  if (start == end) return text.size();
  if (start > 0 && text[start - 1] == '.') start = before(start - 1, IsDigit);
  if (start > 0 && (text[start - 1] == '+' || text[start - 1] == '-')) --start;
  return before(start, isSpace);
}

double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1.0;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<std::int16_t> ToInt16(double value) {
  return ToRange<std::int16_t>(value);
}
std::optional<std::int32_t> ToInt32(double value) {
  return ToRange<std::int32_t>(value);
}
std::optional<std::uint8_t> ToByte(double value) {
  return ToRange<std::uint8_t>(value);
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
  return TextToRange<std::int16_t>(text);
}
std::optional<std::uint8_t> TextToByte(std::string_view text) {
  return TextToRange<std::uint8_t>(text);
}

std::optional<std::int16_t> TextToBoolean(std::string_view text) {
  const std::string_view trimmed = TrimSpaces(text);
  if (EqualsIgnoringCase(trimmed, "true")) return std::int16_t{-1};
  if (EqualsIgnoringCase(trimmed, "false")) return std::int16_t{0};
  const std::optional<double> number = ParseNumber(trimmed);
  if (!number) return std::nullopt;
  return static_cast<std::int16_t>(*number == 0.0 ? 0 : -1);
}

}  // namespace quellar
