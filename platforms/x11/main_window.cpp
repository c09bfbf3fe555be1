#include "platforms/x11/main_window.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>
#include <utility>

#include "platforms/x11/x_errors.h"

namespace quellar::x11 {
namespace {

constexpr long kEventMask =
    KeyPressMask | ButtonPressMask | PointerMotionMask | ExposureMask | StructureNotifyMask;
// Not among the flags the engine passes, but honoured so that SetWindowPos means what it says.
constexpr std::uint32_t kSwpNoMove = 0x02;
constexpr int kGrabAttempts = 50;
constexpr auto kGrabRetryDelay = std::chrono::milliseconds(10);

::Window CreateHiddenWindow(Display* display, ::Window root) {
  XSetWindowAttributes attributes{};
  attributes.background_pixel = XBlackPixel(display, XDefaultScreen(display));
  attributes.override_redirect = True;
  attributes.event_mask = kEventMask;
  return XCreateWindow(display, root, 0, 0, 1, 1, 0, CopyFromParent, InputOutput, CopyFromParent,
                       CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
}

}  // namespace

MainWindow::MainWindow(Display* display)
    : display_(display),
      window_(display, CreateHiddenWindow(display, XDefaultRootWindow(display))),
      parent_(XDefaultRootWindow(display)) {}

MainWindow::~MainWindow() {
  Destroy();
}

void MainWindow::Destroy() {
  if (Gone()) return;
  if (keyboardGrabbed_) XUngrabKeyboard(display_, CurrentTime);
  keyboardGrabbed_ = false;
  window_.Reset();
  XFlush(display_);
}

void MainWindow::Place(Handle insertAfter, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::uint32_t flags) {
  if (Gone()) return;
  if ((flags & kSwpNoMove) == 0) XMoveWindow(display_, Id(), x, y);
  if ((flags & kSwpNoSize) == 0) {
    // Windows allows an empty window; X does not.
    Resized(std::max(width, 1), std::max(height, 1));
    XResizeWindow(display_, Id(), static_cast<unsigned>(Width()), static_cast<unsigned>(Height()));
  }
  // X has no topmost layer: HWND_TOPMOST raises the window, the other values leave it where it
  // is in the stack.
  if ((flags & kSwpNoZOrder) == 0 && insertAfter == kHwndTopmost) XRaiseWindow(display_, Id());
  if ((flags & kSwpShowWindow) != 0) {
    XMapWindow(display_, Id());
    const bool activate = (flags & kSwpNoActivate) == 0;
    if (activate && parent_ == XDefaultRootWindow(display_)) GrabKeyboard();
  }
  XFlush(display_);
}

// The grab fails until the server has made the window viewable, and while another client
// holds a grab for a moment.
void MainWindow::GrabKeyboard() {
  if (keyboardGrabbed_) return;
  for (int attempt = 0; attempt < kGrabAttempts; ++attempt) {
    if (XGrabKeyboard(display_, Id(), False, GrabModeAsync, GrabModeAsync, CurrentTime) ==
        GrabSuccess) {
      keyboardGrabbed_ = true;
      return;
    }
    std::this_thread::sleep_for(kGrabRetryDelay);
  }
  std::cerr << "quellar: could not grab the keyboard; keys will not reach the screen saver\n";
}

::Window MainWindow::Reparent(::Window parent) {
  if (Gone()) return None;
  ErrorTrap trap(display_);
  XReparentWindow(display_, Id(), parent, 0, 0);
  if (trap.Failed()) return None;
  return std::exchange(parent_, parent);
}

void MainWindow::SetCaption(const std::string& caption) {
  if (!Gone()) XStoreName(display_, Id(), caption.c_str());
}

void MainWindow::SetPointerHidden(bool hidden) {
  if (Gone()) return;
  if (hidden) {
    XDefineCursor(display_, Id(), BlankCursor());
  } else {
    XUndefineCursor(display_, Id());
  }
  XFlush(display_);
}

// A cursor whose one pixel is masked out everywhere: X has no call that hides the pointer.
::Cursor MainWindow::BlankCursor() {
  if (blankCursor_.Get() == None) {
    const char noBits = 0;
    const Pixmap empty = XCreateBitmapFromData(display_, Id(), &noBits, 1, 1);
    XColor black{};
    blankCursor_ =
        OwnedCursor(display_, XCreatePixmapCursor(display_, empty, empty, &black, &black, 0, 0));
    XFreePixmap(display_, empty);
  }
  return blankCursor_.Get();
}

}  // namespace quellar::x11
