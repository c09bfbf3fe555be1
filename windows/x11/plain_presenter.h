#pragma once
// Presentation with plain XPutImage requests.

#include <X11/Xlib.h>

#include "windows/x11/presenter.h"
#include "windows/x11/x_owned.h"

namespace quellar::x11 {

class PlainPresenter : public Presenter {
 public:
  // Raises a RuntimeError when the window's visual cannot show XRGB pixels as they are.
  PlainPresenter(Display* display, ::Window window);
  void Put(const softgdi::Surface& frame, softgdi::Box box) override;

 private:
  Display* display_;
  ::Window window_;
  Visual* visual_;
  int depth_;
  OwnedGc gc_;
};

}  // namespace quellar::x11
