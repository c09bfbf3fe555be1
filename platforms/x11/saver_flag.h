#pragma once
// The system's screen-saver-running flag (SystemParametersInfo actions 97 and 114). The run that
// sets it writes the property _QUELLAR_SCREENSAVER_RUNNING on the root window, for every client
// of the display to see, and owns the selection of the same name through a window of its own.
// The server drops that ownership as soon as the window or the run's connection goes, however
// the process died (SIGKILL, the out-of-memory killer), so the flag reads as set only while a
// live run holds it: a property that outlived its run never refuses a new one. A run that ends
// any other way than by clearing it (a run-time error, a lost connection) still removes the
// property, so the desktop is never left in the screen-saver state.

#include <X11/Xlib.h>

#include "platforms/x11/x_owned.h"

namespace quellar::x11 {

class SaverFlag {
 public:
  explicit SaverFlag(Display* display);
  ~SaverFlag();
  SaverFlag(const SaverFlag&) = delete;
  SaverFlag& operator=(const SaverFlag&) = delete;

  void Set(bool running);
  // Whether a live run has set it, this one or another.
  bool IsSet() const;

 private:
  bool PropertySet() const;

  Display* display_;
  ::Window root_;
  Atom atom_;
  OwnedWindow owner_;  // owns the selection while this run has the flag set
};

}  // namespace quellar::x11
