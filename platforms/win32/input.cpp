#include "platforms/win32/input.h"

#include <cstdint>

namespace quellar::win32 {

namespace {

// Client coordinates are signed 16-bit halves of lParam.
std::int16_t ClientX(LPARAM lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam & 0xFFFF));
}
std::int16_t ClientY(LPARAM lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF));
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
void DeliverInput(FormEvents& events, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      events.KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF));
      return;
    case WM_LBUTTONDBLCLK:
      events.DblClick();
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      events.MouseDown();
      return;
    case WM_MOUSEMOVE:
      events.MouseMove();
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
