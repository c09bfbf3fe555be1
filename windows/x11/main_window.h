#pragma once
// frmMain's X window. It is created hidden, black and override-redirect: no window manager
// decorates, moves or stacks it, so it can cover the whole screen above everything else. The
// Windows placement calls the engine makes (SetWindowPos, window longs, SetParent, the
// caption) are mapped onto it here.

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "engine/platform.h"
#include "windows/x11/x_owned.h"

namespace quellar::x11 {

class MainWindow {
 public:
  explicit MainWindow(Display* display);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ::Window Id() const { return window_.Get(); }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  bool Gone() const { return window_.Get() == None; }

  // SetWindowPos: moves, resizes, stacks and shows or hides as the flags say. A top-level
  // window that is shown and activated takes the keyboard, since without a window manager
  // nothing else would give it focus.
  void Place(Handle insertAfter, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, std::uint32_t flags);
  // GWL_STYLE and GWL_HWNDPARENT are only recorded: an X window has neither.
  std::int32_t WindowLong(std::int32_t index) const;
  std::intptr_t SetWindowLong(std::int32_t index, std::intptr_t value);
  // Moves the window into `parent`; the previous parent, or None when `parent` is no window.
  ::Window Reparent(::Window parent);
  void SetCaption(const std::string& caption);
  void SetPointerHidden(bool hidden);

  // The server destroyed the window (its parent went away): nothing is left to free.
  void ForgetDestroyed() { window_.Forget(); }
  void Resized(std::int32_t width, std::int32_t height);
  void Destroy();

 private:
  void GrabKeyboard();
  ::Cursor BlankCursor();

  Display* display_;
  OwnedWindow window_;
  OwnedCursor blankCursor_;
  ::Window parent_;
  std::int32_t width_ = 1;
  std::int32_t height_ = 1;
  std::int32_t style_ = 0;
  std::intptr_t owner_ = 0;
  bool keyboardGrabbed_ = false;
};

}  // namespace quellar::x11
