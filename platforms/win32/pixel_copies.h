#pragma once
// The one gdi32 call that moves pixels, for the drawing into back buffers and for every copy to
// the window: the platform makes them all through this, so that a measuring tool can put a
// counting layer over them.

#include <windows.h>

namespace quellar::win32 {

class PixelCopies {
 public:
  virtual ~PixelCopies() = default;
  virtual bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                      int sourceY, DWORD rop) = 0;
};

// gdi32's BitBlt itself.
PixelCopies& SystemPixelCopies();

}  // namespace quellar::win32
