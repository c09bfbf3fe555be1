// The number rules the engine and the store share: plain decimals only, halves to even, and
// conversions that fail outside their range.

#include "base/conversions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quellar {
namespace {

TEST(ParseNumberTest, AcceptsOnlyPlainDecimals) {
  using Number = std::pair<const char*, double>;
  for (const auto& [text, number] :
       {Number{"41", 41}, Number{" 2690548", 2690548}, Number{"2690548 ", 2690548},
        Number{"-1", -1}, Number{"+7", 7}, Number{"2.5", 2.5}, Number{".5", 0.5}}) {
    EXPECT_EQ(ParseNumber(text), number) << text;
  }
  for (const char* text : {"", " ", "/p 1", "5.", "1e3", "0x10", "--1", "1 2", "-"}) {
    EXPECT_EQ(ParseNumber(text), std::nullopt) << '"' << text << '"';
  }
}

// A number a double cannot hold is no number, not 0: 400 nines must not read as False.
TEST(ParseNumberTest, NumbersBeyondADoubleAreNotNumbers) {
  const std::string huge(400, '9');
  EXPECT_EQ(ParseNumber(huge), std::nullopt);
  EXPECT_EQ(TextToBoolean(huge), std::nullopt);
  EXPECT_EQ(TextToByte("-" + huge), std::nullopt);
  EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), std::nullopt);
  EXPECT_EQ(ParseNumber("0." + std::string(400, '0')), 0.0);
}

// The tail found at once is the one that dropping leading characters one by one would find.
TEST(LongestNumberTailTest, IsTheFirstTailThatIsANumber) {
  for (const std::string text : {"/p 2690548", "/p2690548", "/p", "", "/p 1.2.3", "/p 5.", "x -.5",
                                 "/p+ 5", "/p --7", "12", " 3 4", "/p 0x10", "a.5", "7 "}) {
    std::size_t expected = text.size();
    for (std::size_t start = 0; start < text.size() && expected == text.size(); ++start) {
      if (ParseNumber(std::string_view(text).substr(start))) expected = start;
    }
    EXPECT_EQ(LongestNumberTail(text), expected) << '"' << text << '"';
  }
}

TEST(ConversionTest, RoundHalvesToEvenAndFailOutsideTheRange) {
  using P = std::pair<double, double>;
  for (const auto& [value, rounded] : {P{0.5, 0}, P{1.5, 2}, P{2.5, 2}, P{-2.5, -2}, P{-1.5, -2},
                                       P{819.2, 819}, P{96.5, 96}, P{2.51, 3}}) {
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  }
  EXPECT_EQ(TextToByte("255.4"), 255);
  EXPECT_EQ(TextToByte("255.5"), std::nullopt);
  EXPECT_EQ(TextToByte("-0.4"), 0);
  EXPECT_EQ(TextToByte("-1"), std::nullopt);
  EXPECT_EQ(TextToInt16("32767"), 32767);
  EXPECT_EQ(TextToInt16("-32768.5"), -32768);
  EXPECT_EQ(TextToInt16("32767.5"), std::nullopt);
  EXPECT_EQ(TextToInt16("True"), std::nullopt);
  EXPECT_EQ(TextToInt32("2147483648"), std::nullopt);
}

TEST(ConversionTest, BooleansAreWordsInAnyCaseOrNumbers) {
  for (const auto& [text, value] :
       {std::pair{"True", -1}, {"tRUE", -1}, {"FALSE", 0}, {"0", 0}, {"255", -1}, {"-0.0", 0}}) {
    EXPECT_EQ(TextToBoolean(text), value) << text;
  }
  EXPECT_EQ(TextToBoolean("yes"), std::nullopt);
  EXPECT_EQ(TextToBoolean(""), std::nullopt);
}

}  // namespace
}  // namespace quellar
