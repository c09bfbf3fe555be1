#pragma once
// X's buttons in a form's terms; keys and double clicks: platforms/input.

#include <X11/X.h>

namespace quellar::x11 {

// Left, middle and right are a form's mouse buttons; the wheel's steps and extra buttons are not.
inline bool IsFormButton(unsigned int button) {
  return button == Button1 || button == Button2 || button == Button3;
}

}  // namespace quellar::x11
