// What counts as a number. fuzz/conversions_fuzzer holds every conversion, the longest numeric
// tail of a command line among them, against fuzz/number_model.h; the store's tests cover the
// range conversions.

#include "base/conversions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quellar {
namespace {

TEST(ConversionTest, NumbersArePlainDecimalsThatADoubleHolds) {
  using Number = std::pair<const char*, double>;
  for (const auto& [text, number] :
       {Number{"41", 41}, Number{" 2690548", 2690548}, Number{"2690548 ", 2690548},
        Number{"-1", -1}, Number{"+7", 7}, Number{"2.5", 2.5}, Number{".5", 0.5}}) {
    EXPECT_EQ(ParseNumber(text), number) << text;
  }
  for (const char* text : {"", " ", "/p 1", "5.", "1e3", "0x10", "--1", "1 2", "-"}) {
    EXPECT_EQ(ParseNumber(text), std::nullopt) << '"' << text << '"';
  }
  // Not 0: four hundred nines must not read as False.
  EXPECT_EQ(TextToBoolean(std::string(400, '9')), std::nullopt);
  EXPECT_EQ(TextToBoolean("-0.0"), 0);
  EXPECT_EQ(TextToBoolean("tRUE"), -1);
  EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), std::nullopt);
}

}  // namespace
}  // namespace quellar
