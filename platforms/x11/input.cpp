#include "platforms/x11/input.h"

namespace quellar::x11 {
namespace {

// A form numbers its buttons left 1, right 2, middle 4; X numbers the middle one 2.
struct ButtonCode {
  unsigned int button;
  unsigned int mask;
  std::int16_t formButton;
};

constexpr ButtonCode kButtons[] = {
    {Button1, Button1Mask, 1}, {Button3, Button3Mask, 2}, {Button2, Button2Mask, 4}};

}  // namespace

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

}  // namespace quellar::x11
