#pragma once
// Puts rectangles of the window's presented frame on the X window. The plain presenter sends
// each rectangle with XPutImage; another one (shared memory, only what changed) can take its
// place behind the same interface.

#include "windows/softgdi/surface.h"

namespace quellar::x11 {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // `box` lies inside `frame`, which has the window's size.
  virtual void Put(const softgdi::Surface& frame, softgdi::Box box) = 0;
};

}  // namespace quellar::x11
