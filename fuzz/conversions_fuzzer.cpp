// The number and text conversions of a text, and of its first eight bytes as a double, against
// the rules written in number_model.h; True and False count in any letter case.

#include <cstring>

#include "base/conversions.h"
#include "fuzz/number_model.h"

namespace quellar::fuzz {
namespace {
void CheckDouble(double value) {
  const std::string shown = std::to_string(value);
  Check(RoundHalfEven(value) == std::nearbyint(value) || std::isnan(value), "RoundHalfEven", shown);
  Check(ToInt16(value) == InRange<std::int16_t>(value), "ToInt16", shown);
  Check(ToInt32(value) == InRange<std::int32_t>(value), "ToInt32", shown);
  Check(ToByte(value) == InRange<std::uint8_t>(value), "ToByte", shown);
}

void CheckText(std::string_view text) {
  const std::optional<double> number = NumberOf(text);
  Check(ParseNumber(text) == number, "ParseNumber", text);
  Check(TextToInt16(text) == InRange<std::int16_t>(number), "TextToInt16", text);
  Check(TextToByte(text) == InRange<std::uint8_t>(number), "TextToByte", text);
  const std::string word = Folded(TrimmedOfSpaces(text), tolower);
  std::optional<std::int16_t> boolean;
  if (number) boolean = *number == 0.0 ? 0 : -1;
  if (word == "true" || word == "false") boolean = word == "true" ? -1 : 0;
  Check(TextToBoolean(text) == boolean, "TextToBoolean", text);
  Check(LongestNumberTail(text) == FirstNumberTail(text), "LongestNumberTail", text);
  if (number) CheckDouble(*number);
}
}  // namespace
}  // namespace quellar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0.0;
  std::memcpy(&value, data, std::min(size, sizeof value));
  quellar::fuzz::CheckDouble(value);
  quellar::fuzz::CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
