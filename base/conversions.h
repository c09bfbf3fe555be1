#pragma once
// The program's number rules, shared by the engine and the settings store: fractions round to
// the nearest integer with halves going to the even neighbour, and a conversion that leaves the
// target range fails instead of wrapping.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quellar {

// A decimal number, with optional sign, digits, and a decimal point followed by digits,
// surrounded by optional spaces. Anything else (including an empty text, and a number a double
// cannot hold) is not a number.
std::optional<double> ParseNumber(std::string_view text);

// Where the longest tail of `text` in ParseNumber's form begins (a double may still be unable
// to hold its number); text.size() when no tail has that form. Linear in the length of the text,
// however long.
std::size_t LongestNumberTail(std::string_view text);

// Rounds to the nearest integer; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounded (halves to even) and range-checked conversions of a number.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);
std::optional<std::uint8_t> ToByte(double value);

// The same conversions of a text; a text that is not a number fails.
std::optional<std::int16_t> TextToInt16(std::string_view text);
std::optional<std::uint8_t> TextToByte(std::string_view text);

// True or False in any letter case give -1 or 0; a number gives 0 when it is zero and -1
// otherwise; anything else fails.
std::optional<std::int16_t> TextToBoolean(std::string_view text);

}  // namespace quellar
