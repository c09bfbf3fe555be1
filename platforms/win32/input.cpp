#include "platforms/win32/input.h"

#include <cstdint>

namespace quellar::win32 {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr float kTwipsPerPixel = 15.0f;

bool KeyIsDown(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

std::int16_t ShiftState() {
  return static_cast<std::int16_t>((KeyIsDown(VK_SHIFT) ? 1 : 0) | (KeyIsDown(VK_CONTROL) ? 2 : 0) |
                                   (KeyIsDown(VK_MENU) ? 4 : 0));
}

std::int16_t ButtonsHeld(WPARAM wParam) {
  return static_cast<std::int16_t>(((wParam & MK_LBUTTON) != 0 ? kLeftButton : 0) |
                                   ((wParam & MK_RBUTTON) != 0 ? kRightButton : 0) |
                                   ((wParam & MK_MBUTTON) != 0 ? kMiddleButton : 0));
}

// Client coordinates are signed 16-bit halves of lParam.
std::int16_t ClientX(LPARAM lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam & 0xFFFF));
}
std::int16_t ClientY(LPARAM lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF));
}
float TwipsX(LPARAM lParam) {
  return ClientX(lParam) * kTwipsPerPixel;
}
float TwipsY(LPARAM lParam) {
  return ClientY(lParam) * kTwipsPerPixel;
}

// The button a press or double-click message is about.
std::int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return kRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      return kMiddleButton;
    default:
      return kLeftButton;
  }
}

}  // namespace

bool IsInputMessage(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      return true;
    default:
      return false;
  }
}

// The second press of a left double click arrives only as the double click; with the right
// or middle button it is one more press.
void DeliverInput(WindowEvents& events, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      events.KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF), ShiftState());
      return;
    case WM_LBUTTONDBLCLK:
      events.DblClick();
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      events.MouseDown(ButtonOf(message), ShiftState(), TwipsX(lParam), TwipsY(lParam));
      return;
    case WM_MOUSEMOVE:
      events.MouseMove(ButtonsHeld(wParam), ShiftState(), TwipsX(lParam), TwipsY(lParam));
      return;
    default:
      return;
  }
}

bool PointerMotion::MovedTo(POINT screen) {
  const bool moved = screen.x != last_.x || screen.y != last_.y;
  last_ = screen;
  return moved;
}

POINT ScreenPointOf(HWND window, LPARAM lParam) {
  POINT point{ClientX(lParam), ClientY(lParam)};
  ClientToScreen(window, &point);
  return point;
}

}  // namespace quellar::win32
