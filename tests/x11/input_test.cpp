// Native X input reaches frmMain with Windows' meanings.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "platforms/x11/input.h"
#include <X11/keysym.h>
// clang-format on

namespace quellar::x11 {
namespace {

constexpr std::optional<std::int16_t> kNoKey;

TEST(InputTest, TheHotkeysGetTheirVirtualKeyCodes) {
  // The main keyboard's arithmetic keys, the last four, are not the keypad's.
  const std::pair<KeySym, std::optional<std::int16_t>> keys[] = {
      {XK_KP_Add, 107},      {XK_KP_Subtract, 109}, {XK_KP_Multiply, 106}, {XK_KP_Divide, 111},
      {XK_Return, 13},       {XK_KP_Enter, 13},     {XK_Home, 36},         {XK_F1, 112},
      {XK_space, 32},        {XK_Escape, 27},       {XK_plus, kNoKey},     {XK_minus, kNoKey},
      {XK_asterisk, kNoKey}, {XK_slash, kNoKey}};
  for (const auto& [keysym, code] : keys) EXPECT_EQ(VirtualKeyOf(keysym), code) << keysym;
}

TEST(InputTest, RightAndMiddleSwapAndTheWheelIsNoButton) {
  EXPECT_EQ(FormButtonOf(Button1), 1);
  EXPECT_EQ(FormButtonOf(Button3), 2);
  EXPECT_EQ(FormButtonOf(Button2), 4);
  EXPECT_EQ(FormButtonOf(Button4), kNoKey);
  EXPECT_EQ(FormButtonsHeld(Button1Mask | Button3Mask), 3);
  EXPECT_EQ(ShiftStateOf(ShiftMask | Mod1Mask), 5);
}

TEST(InputTest, ASecondPressSoonCloseAndOfTheSameButtonIsADoubleClick) {
  // Presses in order: button, server time, x, whether it completes a double click.
  const std::tuple<unsigned, Time, int, bool> presses[] = {
      {Button1, 1000, 50, false}, {Button1, 1500, 52, true},
      {Button1, 1600, 52, false},  // the press after a double click starts afresh
      {Button1, 2101, 52, false},  // 501 ms later
      {Button1, 2200, 55, false},  // 3 pixels away
      {Button3, 2300, 55, false},  // another button
      {Button3, 2400, 55, true},  {Button1, 0xFFFFFF00u, 9, false},
      {Button1, 0x10u, 9, true}};  // the server's clock wrapped
  ClickTracker clicks;
  for (const auto& [button, time, x, doubleClick] : presses) {
    EXPECT_EQ(clicks.IsDoubleClick(button, time, x, 50), doubleClick) << "press at " << time;
  }
}

}  // namespace
}  // namespace quellar::x11
