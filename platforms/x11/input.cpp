#include "platforms/x11/input.h"

#include <X11/keysym.h>

#include <cstdlib>

namespace quellar::x11 {
namespace {

struct KeyCode {
  KeySym keysym;
  std::int16_t virtualKey;
};

// Named keys. Letters, digits and function keys follow from their ranges below.
constexpr KeyCode kNamedKeys[] = {
    {XK_BackSpace, 8},    {XK_Tab, 9},           {XK_Return, 13},  {XK_KP_Enter, 13},
    {XK_Escape, 27},      {XK_space, 32},        {XK_Prior, 33},   {XK_Next, 34},
    {XK_End, 35},         {XK_Home, 36},         {XK_KP_Home, 36}, {XK_Left, 37},
    {XK_Up, 38},          {XK_Right, 39},        {XK_Down, 40},    {XK_Insert, 45},
    {XK_Delete, 46},      {XK_KP_Multiply, 106}, {XK_KP_Add, 107}, {XK_KP_Subtract, 109},
    {XK_KP_Decimal, 110}, {XK_KP_Divide, 111},
};

struct KeyRange {
  KeySym first;
  KeySym last;
  std::int16_t firstVirtualKey;
};

constexpr KeyRange kKeyRanges[] = {
    {XK_0, XK_9, 48},       {XK_A, XK_Z, 65},     {XK_a, XK_z, 65},
    {XK_KP_0, XK_KP_9, 96}, {XK_F1, XK_F24, 112},
};

// A form numbers its buttons left 1, right 2, middle 4; X numbers the middle one 2.
struct ButtonCode {
  unsigned int button;
  unsigned int mask;
  std::int16_t formButton;
};

constexpr ButtonCode kButtons[] = {
    {Button1, Button1Mask, 1}, {Button3, Button3Mask, 2}, {Button2, Button2Mask, 4}};

constexpr Time kDoubleClickMilliseconds = 500;
constexpr int kDoubleClickHalfBox = 2;

}  // namespace

std::optional<std::int16_t> VirtualKeyOf(KeySym keysym) {
  for (const KeyCode& key : kNamedKeys) {
    if (key.keysym == keysym) return key.virtualKey;
  }
  for (const KeyRange& range : kKeyRanges) {
    if (keysym >= range.first && keysym <= range.last) {
      const auto offset = static_cast<std::int16_t>(keysym - range.first);
      return static_cast<std::int16_t>(range.firstVirtualKey + offset);
    }
  }
  return std::nullopt;
}

std::int16_t ShiftStateOf(unsigned int state) {
  std::int16_t shift = 0;
  if ((state & ShiftMask) != 0) shift |= 1;
  if ((state & ControlMask) != 0) shift |= 2;
  if ((state & Mod1Mask) != 0) shift |= 4;
  return shift;
}

std::optional<std::int16_t> FormButtonOf(unsigned int button) {
  for (const ButtonCode& code : kButtons) {
    if (code.button == button) return code.formButton;
  }
  return std::nullopt;
}

std::int16_t FormButtonsHeld(unsigned int state) {
  std::int16_t buttons = 0;
  for (const ButtonCode& code : kButtons) {
    if ((state & code.mask) != 0) buttons |= code.formButton;
  }
  return buttons;
}

bool ClickTracker::IsDoubleClick(unsigned int button, Time time, int x, int y) {
  // Server times are 32-bit milliseconds that wrap; the difference survives the wrap.
  const bool isDouble =
      first_ && first_->button == button &&
      static_cast<std::uint32_t>(time - first_->time) <= kDoubleClickMilliseconds &&
      std::abs(x - first_->x) <= kDoubleClickHalfBox &&
      std::abs(y - first_->y) <= kDoubleClickHalfBox;
  if (isDouble) {
    first_.reset();
  } else {
    first_ = Press{button, time, x, y};
  }
  return isDouble;
}

}  // namespace quellar::x11
