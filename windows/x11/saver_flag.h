#pragma once
// The system's screen-saver-running flag (SystemParametersInfo actions 97 and 114), kept as the
// property _QUELLAR_SCREENSAVER_RUNNING on the root window so that every client of the display
// sees it. A run that ends any other way than by clearing it (a run-time error, a lost
// connection) still removes it, so the desktop is never left in the screen-saver state.

#include <X11/Xlib.h>

namespace quellar::x11 {

class SaverFlag {
 public:
  explicit SaverFlag(Display* display);
  ~SaverFlag();
  SaverFlag(const SaverFlag&) = delete;
  SaverFlag& operator=(const SaverFlag&) = delete;

  void Set(bool running);
  // Whether any client has set it.
  bool IsSet() const;

 private:
  Display* display_;
  ::Window root_;
  Atom atom_;
  bool setHere_ = false;
};

}  // namespace quellar::x11
