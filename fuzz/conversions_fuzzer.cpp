// The number and text conversions against the rules: plain decimals only, numbers a double
// cannot hold are no numbers, halves round to the even neighbour, ranges are checked, True and
// False count in any letter case, and the handle parse finds the tail that dropping one leading
// character at a time would find.

#include <cmath>
#include <cstring>
#include <string>

#include "base/conversions.h"
#include "fuzz/check.h"
#include "fuzz/number_model.h"

namespace quellar::fuzz {
namespace {

bool SameNumber(std::optional<double> a, std::optional<double> b) {
  if (!a || !b) return !a && !b;
  return (std::isnan(*a) && std::isnan(*b)) || *a == *b;
}

std::optional<std::int16_t> BooleanOf(std::string_view text) {
  std::string lower(TrimmedOfSpaces(text));
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lower == "true") return std::int16_t{-1};
  if (lower == "false") return std::int16_t{0};
  const std::optional<double> number = NumberOf(text);
  if (!number) return std::nullopt;
  return static_cast<std::int16_t>(*number == 0.0 ? 0 : -1);
}

void CheckDouble(double value) {
  const std::string shown = std::to_string(value);
  Check(SameNumber(RoundHalfEven(value), RoundedHalfEven(value)), "RoundHalfEven", shown);
  Check(ToInt16(value) == InRange<std::int16_t>(value), "ToInt16", shown);
  Check(ToInt32(value) == InRange<std::int32_t>(value), "ToInt32", shown);
  Check(ToByte(value) == InRange<std::uint8_t>(value), "ToByte", shown);
}

void CheckText(std::string_view text) {
  const std::optional<double> number = NumberOf(text);
  Check(SameNumber(ParseNumber(text), number), "ParseNumber", text);
  Check(TextToInt16(text) == InRange<std::int16_t>(number), "TextToInt16", text);
  Check(TextToInt32(text) == InRange<std::int32_t>(number), "TextToInt32", text);
  Check(TextToByte(text) == InRange<std::uint8_t>(number), "TextToByte", text);
  Check(TextToBoolean(text) == BooleanOf(text), "TextToBoolean", text);
  Check(LongestNumberTail(text) == FirstNumberTail(text), "LongestNumberTail", text);
  if (number) CheckDouble(*number);
}

}  // namespace
}  // namespace quellar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  quellar::fuzz::CheckText(text);
  // The same bytes as a double reach values no decimal text of a few characters writes.
  if (size >= sizeof(double)) {
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    quellar::fuzz::CheckDouble(value);
  }
  return 0;
}
