#include "base/conversions.h"

#include <gtest/gtest.h>

#include <optional>

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
