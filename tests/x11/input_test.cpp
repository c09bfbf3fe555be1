// Native X input reaches frmMain with Windows' meanings.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "windows/x11/input.h"
#include <X11/keysym.h>
// clang-format on

namespace quellar::x11 {
namespace {

TEST(InputTest, KeysGetTheirVirtualKeyCodes) {
  const struct {
    KeySym keysym;
    std::optional<std::int16_t> code;
  } keys[] = {{XK_KP_Add, 107},
              {XK_KP_Subtract, 109},
              {XK_KP_Multiply, 106},
              {XK_KP_Divide, 111},
              {XK_Return, 13},
              {XK_KP_Enter, 13},
              {XK_Home, 36},
              {XK_F1, 112},
              {XK_space, 32},
              {XK_Escape, 27},
              {XK_a, 65},
              {XK_Z, 90},
              {XK_9, 57},
              {XK_KP_0, 96},
              {XK_F12, 123},
              {XK_Shift_L, std::nullopt},
              // The main keyboard's arithmetic keys are not the keypad's hotkeys.
              {XK_plus, std::nullopt},
              {XK_minus, std::nullopt},
              {XK_asterisk, std::nullopt},
              {XK_slash, std::nullopt}};
  for (const auto& key : keys) EXPECT_EQ(VirtualKeyOf(key.keysym), key.code) << key.keysym;
}

TEST(InputTest, RightAndMiddleSwapAndTheWheelIsNoButton) {
  EXPECT_EQ(FormButtonOf(Button1), 1);
  EXPECT_EQ(FormButtonOf(Button3), 2);
  EXPECT_EQ(FormButtonOf(Button2), 4);
  EXPECT_EQ(FormButtonOf(Button4), std::nullopt);
  EXPECT_EQ(FormButtonOf(Button5), std::nullopt);
  EXPECT_EQ(FormButtonsHeld(Button1Mask | Button3Mask), 3);
  EXPECT_EQ(ShiftStateOf(ShiftMask | Mod1Mask), 5);
}

// Presses in order, each with whether it completes a double click.
TEST(InputTest, ASecondPressSoonCloseAndOfTheSameButtonIsADoubleClick) {
  const struct {
    unsigned button;
    Time time;
    int x;
    bool doubleClick;
  } presses[] = {{Button1, 1000, 50, false},     {Button1, 1500, 52, true},
                 {Button1, 1600, 52, false},  // a third press starts afresh
                 {Button1, 2101, 52, false},  // 501 ms later
                 {Button1, 2200, 55, false},  // 3 pixels away
                 {Button3, 2300, 55, false},  // another button
                 {Button3, 2400, 55, true},      {Button1, 0xFFFFFF00u, 9, false},
                 {Button1, 0x00000010u, 9, true}};  // the server's clock wrapped
  ClickTracker clicks;
  for (const auto& press : presses) {
    EXPECT_EQ(clicks.IsDoubleClick(press.button, press.time, press.x, 50), press.doubleClick)
        << "press at " << press.time;
  }
}

}  // namespace
}  // namespace quellar::x11
