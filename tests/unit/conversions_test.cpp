#include "base/conversions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quellar {
namespace {

struct NumberCase {
  const char* text;
  std::optional<double> number;
};

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, AcceptsOnlyPlainDecimals) {
  EXPECT_EQ(ParseNumber(GetParam().text), GetParam().number) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(NumberCase{"41", 41.0}, NumberCase{" 2690548", 2690548.0},
                    NumberCase{"2690548 ", 2690548.0}, NumberCase{"-1", -1.0},
                    NumberCase{"+7", 7.0}, NumberCase{"2.5", 2.5}, NumberCase{".5", 0.5},
                    NumberCase{"", std::nullopt}, NumberCase{" ", std::nullopt},
                    NumberCase{"/p 1", std::nullopt}, NumberCase{"p 1", std::nullopt},
                    NumberCase{"5.", std::nullopt}, NumberCase{"1e3", std::nullopt},
                    NumberCase{"0x10", std::nullopt}, NumberCase{"--1", std::nullopt},
                    NumberCase{"1 2", std::nullopt}, NumberCase{"-", std::nullopt}));

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
    for (std::size_t start = 0; start < text.size(); ++start) {
      if (ParseNumber(std::string_view(text).substr(start))) {
        expected = start;
        break;
      }
    }
    EXPECT_EQ(LongestNumberTail(text), expected) << '"' << text << '"';
  }
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
  EXPECT_EQ(RoundHalfEven(819.2), 819.0);
  EXPECT_EQ(RoundHalfEven(96.5), 96.0);
  EXPECT_EQ(RoundHalfEven(94.5), 94.0);
  EXPECT_EQ(RoundHalfEven(2.51), 3.0);
}

TEST(RangeConversionTest, FailsOutsideTheTargetRange) {
  EXPECT_EQ(TextToByte("255"), 255);
  EXPECT_EQ(TextToByte("255.4"), 255);
  EXPECT_EQ(TextToByte("255.5"), std::nullopt);
  EXPECT_EQ(TextToByte("-0.4"), 0);
  EXPECT_EQ(TextToByte("-1"), std::nullopt);
  EXPECT_EQ(TextToByte("261"), std::nullopt);
  EXPECT_EQ(TextToInt16("32767"), 32767);
  EXPECT_EQ(TextToInt16("-32768"), -32768);
  EXPECT_EQ(TextToInt16("40000"), std::nullopt);
  EXPECT_EQ(TextToInt16("True"), std::nullopt);
  EXPECT_EQ(TextToInt32("2147483648"), std::nullopt);
}

TEST(TextToBooleanTest, WordsInAnyCaseAndNumbers) {
  EXPECT_EQ(TextToBoolean("True"), -1);
  EXPECT_EQ(TextToBoolean("tRUE"), -1);
  EXPECT_EQ(TextToBoolean("FALSE"), 0);
  EXPECT_EQ(TextToBoolean("0"), 0);
  EXPECT_EQ(TextToBoolean("1"), -1);
  EXPECT_EQ(TextToBoolean("255"), -1);
  EXPECT_EQ(TextToBoolean("-0.0"), 0);
  EXPECT_EQ(TextToBoolean("yes"), std::nullopt);
  EXPECT_EQ(TextToBoolean(""), std::nullopt);
}

}  // namespace
}  // namespace quellar
