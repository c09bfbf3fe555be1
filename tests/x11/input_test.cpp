// Native X input reaches frmMain with Windows' meanings.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "windows/x11/input.h"
#include <X11/keysym.h>
// clang-format on

namespace quellar::x11 {
namespace {

TEST(VirtualKeyTest, HotkeysGetTheirWindowsCodes) {
  const struct {
    KeySym keysym;
    std::int16_t code;
  } hotkeys[] = {{XK_KP_Add, 107},    {XK_KP_Subtract, 109}, {XK_KP_Multiply, 106},
                 {XK_KP_Divide, 111}, {XK_Return, 13},       {XK_KP_Enter, 13},
                 {XK_Home, 36},       {XK_F1, 112},          {XK_space, 32},
                 {XK_Escape, 27}};
  for (const auto& key : hotkeys) {
    EXPECT_EQ(VirtualKeyOf(key.keysym), key.code) << "keysym " << key.keysym;
  }
}

TEST(VirtualKeyTest, MainKeyboardArithmeticKeysAreNotTheKeypadOnes) {
  constexpr KeySym kMainKeys[] = {XK_plus, XK_minus, XK_asterisk, XK_slash};
  constexpr std::int16_t kKeypadCodes[] = {106, 107, 109, 111};
  for (const KeySym keysym : kMainKeys) {
    const std::optional<std::int16_t> code = VirtualKeyOf(keysym);
    for (const std::int16_t keypad : kKeypadCodes) EXPECT_NE(code, keypad);
  }
}

TEST(VirtualKeyTest, RangesMapToTheirCodes) {
  EXPECT_EQ(VirtualKeyOf(XK_a), 65);
  EXPECT_EQ(VirtualKeyOf(XK_Z), 90);
  EXPECT_EQ(VirtualKeyOf(XK_9), 57);
  EXPECT_EQ(VirtualKeyOf(XK_KP_0), 96);
  EXPECT_EQ(VirtualKeyOf(XK_F12), 123);
  EXPECT_EQ(VirtualKeyOf(XK_Shift_L), std::nullopt);
}

TEST(FormButtonTest, RightAndMiddleSwapAndTheWheelIsNoButton) {
  EXPECT_EQ(FormButtonOf(Button1), 1);
  EXPECT_EQ(FormButtonOf(Button3), 2);
  EXPECT_EQ(FormButtonOf(Button2), 4);
  EXPECT_EQ(FormButtonOf(Button4), std::nullopt);
  EXPECT_EQ(FormButtonOf(Button5), std::nullopt);
  EXPECT_EQ(FormButtonsHeld(Button1Mask | Button3Mask), 3);
  EXPECT_EQ(ShiftStateOf(ShiftMask | Mod1Mask), 5);
}

TEST(ClickTrackerTest, SecondPressSoonAndCloseIsADoubleClick) {
  ClickTracker clicks;
  EXPECT_FALSE(clicks.IsDoubleClick(Button1, 1000, 50, 50));
  EXPECT_TRUE(clicks.IsDoubleClick(Button1, 1500, 52, 48));
  EXPECT_FALSE(clicks.IsDoubleClick(Button1, 1600, 52, 48)) << "a third press starts afresh";
}

TEST(ClickTrackerTest, LateFarOrOtherButtonPressesAreOrdinary) {
  ClickTracker clicks;
  EXPECT_FALSE(clicks.IsDoubleClick(Button1, 1000, 50, 50));
  EXPECT_FALSE(clicks.IsDoubleClick(Button1, 1501, 50, 50)) << "after 500 ms";
  EXPECT_FALSE(clicks.IsDoubleClick(Button1, 1600, 53, 50)) << "3 pixels away";
  EXPECT_FALSE(clicks.IsDoubleClick(Button3, 1700, 53, 50)) << "another button";
  EXPECT_TRUE(clicks.IsDoubleClick(Button3, 1800, 53, 50));
}

TEST(ClickTrackerTest, ServerTimeWrapsAround) {
  ClickTracker clicks;
  EXPECT_FALSE(clicks.IsDoubleClick(Button1, 0xFFFFFF00u, 10, 10));
  EXPECT_TRUE(clicks.IsDoubleClick(Button1, 0x00000010u, 10, 10));
}

}  // namespace
}  // namespace quellar::x11
