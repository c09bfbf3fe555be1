#include "windows/win32/input_messages.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/win32/recording_events.h"

namespace quellar::win32 {
namespace {

using Events = std::vector<std::string>;

LPARAM Point(int x, int y) {
  return static_cast<LPARAM>(static_cast<std::int32_t>((static_cast<std::uint32_t>(y) << 16) |
                                                       (static_cast<std::uint32_t>(x) & 0xFFFF)));
}

Events Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
  testing::RecordingEvents events;
  DeliverInput(events, message, wParam, lParam);
  return events.events;
}

TEST(DeliverInput, KeysArriveAsVirtualKeyCodes) {
  EXPECT_EQ(Deliver(WM_KEYDOWN, VK_ADD, 0), Events{"KeyDown 107 0"});
  EXPECT_EQ(Deliver(WM_KEYDOWN, VK_ESCAPE, 0), Events{"KeyDown 27 0"});
  EXPECT_EQ(Deliver(WM_SYSKEYDOWN, VK_F10, 0), Events{"KeyDown 121 0"});
}

TEST(DeliverInput, EachButtonPressIsAMouseDownWithItsButtonAndTwips) {
  EXPECT_EQ(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 20)), Events{"MouseDown 1 0 150 300"});
  EXPECT_EQ(Deliver(WM_RBUTTONDOWN, MK_RBUTTON, Point(0, 0)), Events{"MouseDown 2 0 0 0"});
  EXPECT_EQ(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, Point(1, 1)), Events{"MouseDown 4 0 15 15"});
}

// Windows' order for a left double click is down, up, double click, up: the second press is
// not a button-down.
TEST(DeliverInput, LeftDoubleClickIsADblClickAndNoPress) {
  EXPECT_EQ(Deliver(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5)), Events{"DblClick"});
}

TEST(DeliverInput, OtherDoubleClicksArePresses) {
  EXPECT_EQ(Deliver(WM_RBUTTONDBLCLK, MK_RBUTTON, Point(2, 3)), Events{"MouseDown 2 0 30 45"});
  EXPECT_EQ(Deliver(WM_MBUTTONDBLCLK, MK_MBUTTON, Point(2, 3)), Events{"MouseDown 4 0 30 45"});
}

TEST(DeliverInput, MovementCarriesTheButtonsHeldAndSignedPositions) {
  EXPECT_EQ(Deliver(WM_MOUSEMOVE, 0, Point(100, 50)), Events{"MouseMove 0 0 1500 750"});
  EXPECT_EQ(Deliver(WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON, Point(-2, -1)),
            Events{"MouseMove 5 0 -30 -15"});
  EXPECT_EQ(Deliver(WM_MOUSEMOVE, MK_RBUTTON, Point(0, 0)), Events{"MouseMove 2 0 0 0"});
}

// Shift, Ctrl and Alt as the form's handlers count them: 1, 2 and 4.
TEST(DeliverInput, ShiftStateComesFromTheKeyboard) {
  BYTE saved[256];
  ASSERT_TRUE(GetKeyboardState(saved));
  BYTE keys[256] = {};
  keys[VK_SHIFT] = keys[VK_MENU] = 0x80;
  ASSERT_TRUE(SetKeyboardState(keys));
  const Events events = Deliver(WM_KEYDOWN, VK_HOME, 0);
  SetKeyboardState(saved);
  EXPECT_EQ(events, Events{"KeyDown 36 5"});
}

TEST(PointerMotion, OnlyANewPositionIsMovement) {
  PointerMotion pointer(POINT{40, 30});
  EXPECT_FALSE(pointer.MovedTo(POINT{40, 30}));
  EXPECT_TRUE(pointer.MovedTo(POINT{41, 30}));
  EXPECT_FALSE(pointer.MovedTo(POINT{41, 30}));
  EXPECT_TRUE(pointer.MovedTo(POINT{41, -2}));
  EXPECT_TRUE(pointer.MovedTo(POINT{40, 30}));
}

TEST(DeliverInput, IgnoresWhatIsNotInput) {
  EXPECT_FALSE(IsInputMessage(WM_KEYUP));
  EXPECT_FALSE(IsInputMessage(WM_LBUTTONUP));
  EXPECT_TRUE(Deliver(WM_KEYUP, VK_ESCAPE, 0).empty());
  EXPECT_TRUE(Deliver(WM_LBUTTONUP, 0, 0).empty());
  EXPECT_TRUE(IsInputMessage(WM_LBUTTONDBLCLK));
}

}  // namespace
}  // namespace quellar::win32
