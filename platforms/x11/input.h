#pragma once
// Native input in Windows' terms, as frmMain's handlers expect it: virtual-key codes, the
// button and shift values of a form's mouse events, and double clicks in Windows' order
// (down, up, double click, up: the second press of a double click is not a button-down).

#include <X11/X.h>

#include <cstdint>
#include <optional>

namespace quellar::x11 {

// The virtual-key code of a key, or nothing for a key the program has no use for.
std::optional<std::int16_t> VirtualKeyOf(KeySym keysym);

// Shift 1, Ctrl 2, Alt 4, from an event's modifier state.
std::int16_t ShiftStateOf(unsigned int state);

// Left 1, right 2, middle 4 for a pressed button; nothing for the wheel and extra buttons,
// which are not mouse buttons to a form.
std::optional<std::int16_t> FormButtonOf(unsigned int button);

// The form buttons held down during a movement, from its modifier state.
std::int16_t FormButtonsHeld(unsigned int state);

// Windows' double-click rule: a second press of the same button within 500 ms of the first and
// inside a 4-pixel-wide box centred on it. The press after a double click starts afresh.
class ClickTracker {
 public:
  // True when this press completes a double click.
  bool IsDoubleClick(unsigned int button, Time time, int x, int y);

 private:
  struct Press {
    unsigned int button;
    Time time;
    int x;
    int y;
  };
  std::optional<Press> first_;
};

}  // namespace quellar::x11
