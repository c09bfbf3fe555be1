#pragma once
// frmMain's X window. It is created hidden, black and override-redirect: no window manager
// decorates, moves or stacks it, so it can cover the whole screen above everything else. The
// Windows placement calls the engine makes (SetWindowPos, window longs, SetParent, the
// caption) are mapped onto it here.

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

#include "engine/platform.h"
#include "platforms/forms/window_longs.h"
#include "platforms/x11/rain_window.h"
#include "platforms/x11/x_owned.h"

namespace quellar::x11 {

class MainWindow : public RainWindow {
 public:
  explicit MainWindow(Display* display);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  ::Window Id() const override { return window_.Get(); }
  bool Gone() const { return window_.Get() == None; }

  // Moves, resizes, stacks and shows or hides as the flags say. A top-level window that is
  // shown and activated takes the keyboard, since without a window manager nothing else would
  // give it focus.
  void Place(Handle insertAfter, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, std::uint32_t flags) override;
  // GWL_STYLE and GWL_HWNDPARENT are only recorded: an X window has neither.
  std::int32_t WindowLong(std::int32_t index) const override { return longs_.Get(index); }
  std::intptr_t SetWindowLong(std::int32_t index, std::intptr_t value) override {
    return longs_.Set(index, value);
  }
  ::Window Reparent(::Window parent) override;
  void SetCaption(const std::string& caption) override;
  void SetPointerHidden(bool hidden) override;
  // Its parent went away.
  void ForgetDestroyed() override { window_.Forget(); }
  void Destroy() override;

 private:
  void GrabKeyboard();
  ::Cursor BlankCursor();

  Display* display_;
  OwnedWindow window_;
  OwnedCursor blankCursor_;
  ::Window parent_;
  WindowLongs longs_;
  bool keyboardGrabbed_ = false;
};

}  // namespace quellar::x11
