#pragma once
// X's buttons and modifiers in Windows' terms, as frmMain's handlers expect them: the button
// and shift values of a form's mouse events. Keys and double clicks: platforms/input.

#include <X11/X.h>

#include <cstdint>
#include <optional>

namespace quellar::x11 {

// Shift 1, Ctrl 2, Alt 4, from an event's modifier state.
std::int16_t ShiftStateOf(unsigned int state);

// Left 1, right 2, middle 4 for a pressed button; nothing for the wheel and extra buttons,
// which are not mouse buttons to a form.
std::optional<std::int16_t> FormButtonOf(unsigned int button);

// The form buttons held down during a movement, from its modifier state.
std::int16_t FormButtonsHeld(unsigned int state);

}  // namespace quellar::x11
