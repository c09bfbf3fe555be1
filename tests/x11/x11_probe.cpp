// What the end-to-end scripts cannot ask with the tools at hand. "x11_probe pointer" prints
// "hidden" when every pixel of the current cursor is transparent, "visible" otherwise;
// "x11_probe close ID" asks the window to close as a window manager's close button does
// (WM_DELETE_WINDOW). As a screen-saver host: "x11_probe host DEPTH WIDTH HEIGHT" maps a
// window of that depth (24, or 32 with alpha) that outlives the probe and prints its id;
// "x11_probe translucent ID" prints how many of its pixels are not opaque. Exit status 2 when it
// cannot tell or do it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platforms/x11/display.h"

namespace {

int PrintPointerState(Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  if (!XFixesQueryExtension(display, &eventBase, &errorBase)) return 2;
  const std::unique_ptr<XFixesCursorImage, int (*)(void*)> image(XFixesGetCursorImage(display),
                                                                 XFree);
  if (!image) return 2;
  // Xlib hands the ARGB pixels back as longs; alpha is the top byte of the low 32 bits.
  const unsigned long* pixels = image->pixels;
  const bool hidden = std::all_of(pixels, pixels + std::size_t{image->width} * image->height,
                                  [](unsigned long pixel) { return (pixel & 0xFF000000ul) == 0; });
  std::puts(hidden ? "hidden" : "visible");
  return 0;
}

int Close(Display* display, ::Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  return 0;
}

// A host's window: black, in a TrueColor visual of the depth asked for, kept when the probe
// ends.
int Host(Display* display, int depth, unsigned width, unsigned height) {
  XVisualInfo visual{};
  if (!XMatchVisualInfo(display, XDefaultScreen(display), depth, TrueColor, &visual)) return 2;
  const ::Window root = XDefaultRootWindow(display);
  XSetWindowAttributes attributes{};
  attributes.colormap = XCreateColormap(display, root, visual.visual, AllocNone);
  const ::Window window =
      XCreateWindow(display, root, 0, 0, width, height, 0, depth, InputOutput, visual.visual,
                    CWColormap | CWBorderPixel | CWBackPixel, &attributes);
  XMapWindow(display, window);
  XSetCloseDownMode(display, RetainPermanent);
  XSync(display, False);
  std::printf("%lu\n", window);
  return 0;
}

// Alpha is what the visual's colour masks leave of the pixel's 32 bits.
int PrintTranslucent(Display* display, ::Window window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.depth != 32) return 2;
  const auto destroy = [](XImage* image) { XDestroyImage(image); };
  const std::unique_ptr<XImage, decltype(destroy)> image(
      XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap),
      destroy);
  if (!image) return 2;
  const unsigned long alpha =
      0xFFFFFFFFul & ~(image->red_mask | image->green_mask | image->blue_mask);
  long translucent = 0;
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x)
      translucent += (XGetPixel(image.get(), x, y) & alpha) != alpha;
  }
  std::printf("%ld\n", translucent);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const quellar::x11::DisplayPtr display(XOpenDisplay(nullptr));
  const std::string command = argc > 1 ? argv[1] : "";
  const auto number = [&](int i) { return std::strtoul(argv[i], nullptr, 0); };
  if (!display) return 2;
  if (command == "pointer" && argc == 2) return PrintPointerState(display.get());
  if (command == "close" && argc == 3) return Close(display.get(), number(2));
  if (command == "host" && argc == 5) {
    return Host(display.get(), static_cast<int>(number(2)), static_cast<unsigned>(number(3)),
                static_cast<unsigned>(number(4)));
  }
  if (command == "translucent" && argc == 3) return PrintTranslucent(display.get(), number(2));
  return 2;
}
