// X's buttons and modifiers reach frmMain with Windows' meanings.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "platforms/x11/input.h"
// clang-format on

namespace quellar::x11 {
namespace {

constexpr std::optional<std::int16_t> kNoKey;

TEST(InputTest, RightAndMiddleSwapAndTheWheelIsNoButton) {
  EXPECT_EQ(FormButtonOf(Button1), 1);
  EXPECT_EQ(FormButtonOf(Button3), 2);
  EXPECT_EQ(FormButtonOf(Button2), 4);
  EXPECT_EQ(FormButtonOf(Button4), kNoKey);
  EXPECT_EQ(FormButtonsHeld(Button1Mask | Button3Mask), 3);
  EXPECT_EQ(ShiftStateOf(ShiftMask | Mod1Mask), 5);
}

}  // namespace
}  // namespace quellar::x11
