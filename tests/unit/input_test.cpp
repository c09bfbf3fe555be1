// Raw keys and presses reach frmMain with Windows' meanings.

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "platforms/input/click_tracker.h"
#include "platforms/input/key_mapping.h"

namespace quellar::input {
namespace {

constexpr std::optional<std::int16_t> kNoKey;

TEST(InputTest, TheHotkeysGetTheirVirtualKeyCodes) {
  // The main keyboard's arithmetic keys, the last four, are not the keypad's.
  const std::pair<std::uint32_t, std::optional<std::int16_t>> keys[] = {
      {XK_KP_Add, 107},      {XK_KP_Subtract, 109}, {XK_KP_Multiply, 106}, {XK_KP_Divide, 111},
      {XK_Return, 13},       {XK_KP_Enter, 13},     {XK_Home, 36},         {XK_F1, 112},
      {XK_space, 32},        {XK_Escape, 27},       {XK_plus, kNoKey},     {XK_minus, kNoKey},
      {XK_asterisk, kNoKey}, {XK_slash, kNoKey}};
  for (const auto& [keysym, code] : keys) EXPECT_EQ(VirtualKeyOf(keysym), code) << keysym;
}

TEST(InputTest, ASecondPressSoonCloseAndOfTheSameButtonIsADoubleClick) {
  // Presses in order: button, time, x, whether it completes a double click.
  const std::tuple<unsigned, std::uint32_t, int, bool> presses[] = {
      {1, 1000, 50, false}, {1, 1500, 52, true},
      {1, 1600, 52, false},  // the press after a double click starts afresh
      {1, 2101, 52, false},  // 501 ms later
      {1, 2200, 55, false},  // 3 pixels away
      {3, 2300, 55, false},  // another button
      {3, 2400, 55, true},  {1, 0xFFFFFF00u, 9, false},
      {1, 0x10u, 9, true}};  // the clock wrapped
  ClickTracker clicks;
  for (const auto& [button, time, x, doubleClick] : presses) {
    EXPECT_EQ(clicks.IsDoubleClick(button, time, x, 50), doubleClick) << "press at " << time;
  }
}

}  // namespace
}  // namespace quellar::input
