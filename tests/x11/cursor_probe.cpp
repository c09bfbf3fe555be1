// Says whether the pointer can be seen: prints "hidden" when every pixel of the current cursor
// image is transparent, "visible" otherwise. Exit status 2 when it cannot tell.

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "windows/x11/display.h"

namespace {

struct ImageFree {
  void operator()(XFixesCursorImage* image) const { XFree(image); }
};

bool IsTransparent(const XFixesCursorImage& image) {
  // Xlib hands the ARGB pixels back as longs; alpha is the top byte of the low 32 bits.
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  return std::all_of(image.pixels, image.pixels + count,
                     [](unsigned long pixel) { return (pixel & 0xFF000000ul) == 0; });
}

}  // namespace

int main() {
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  int eventBase = 0;
  int errorBase = 0;
  if (!display || !XFixesQueryExtension(display.get(), &eventBase, &errorBase)) return 2;
  const std::unique_ptr<XFixesCursorImage, ImageFree> image(XFixesGetCursorImage(display.get()));
  if (!image) return 2;
  std::puts(IsTransparent(*image) ? "hidden" : "visible");
  return 0;
}
