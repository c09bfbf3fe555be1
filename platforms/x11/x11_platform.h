#pragma once
// The port on X11: frmMain is an X window, its device context a window surface over the shared
// soft GDI; the rest is every Linux desktop's (DesktopPlatform). The display is opened at start
// when there is one; only the services that need it fail without it.
//
// A guest of a screen-saver host runs the engine as a full-screen run whose screen is the
// host's window: the engine draws there at the window's size, its placement, pointer and
// screen-saver flag change nothing, no instance lock is taken, and its command line is empty,
// so the already-running test never refuses it (hosts start one guest per monitor).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platforms/desktop/desktop_platform.h"
#include "platforms/desktop/no_display_error.h"
#include "platforms/forms/frm_main.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/x11/display.h"
#include "platforms/x11/rain_window.h"
#include "platforms/x11/saver_flag.h"
#include "platforms/x11/window_surface.h"

namespace quellar::x11 {

class X11Platform : public desktop::DesktopPlatform, public monitors::MonitorSource {
 public:
  // A program with windows of its own, given the standard switches.
  X11Platform(int argc, const char* const* argv);
  // A guest in the host's window `hostWindow`, or in the root window. Raises a NoDisplayError,
  // a HostWindowError, or a RuntimeError for a window whose visual cannot show the frames.
  explicit X11Platform(std::optional<std::uint32_t> hostWindow);

  bool HasDisplay() const { return display_ != nullptr; }
  // Whether Main left a run to go on with.
  bool HasMainWindow() const { return window_ != nullptr; }
  // Runs frmMain's events and timers until the process ends; for a guest, until the host's
  // window has changed size or SIGUSR1 asks for a fresh start.
  void Run(FrmMain& form);
  // Forgets what the last engine made (device contexts, bitmaps, timers) and blanks the window,
  // for a new engine in the same window at its present size.
  void StartAfresh();
  std::vector<monitors::MonitorInfo> Monitors() override;

  ScreenTwips ScreenSize() override;
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override;
  std::int32_t ShowCursor(bool show) override;

  Handle MainWindow() override;
  void SetCaption(Handle window, const std::string& caption) override;
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override;
  std::int32_t GetWindowLongValue(Handle window, std::int32_t index) override;
  std::intptr_t SetWindowLongValue(Handle window, std::int32_t index, std::intptr_t value) override;
  Handle SetParent(Handle window, Handle parent) override;
  bool GetClientRect(Handle window, Rect& rect) override;
  void CloseMainWindow() override;

  Handle GetWindowDC(Handle window) override;
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) override;

 protected:
  softgdi::SoftGdi& Gdi() override { return gdi_; }
  std::string NoDisplayMessage() const override { return x11::NoDisplayMessage(); }

 private:
  X11Platform(std::string commandLine, bool guest);
  Display* RequireDisplay();
  RainWindow& Window();
  void ShowIn(std::unique_ptr<RainWindow> window);
  bool IsMainWindow(Handle window) const;

  const bool guest_;
  // Freed in reverse order: the window and the flag go before the connection they live on.
  DisplayPtr display_;
  std::optional<SaverFlag> saverFlag_;  // not a guest's
  std::unique_ptr<RainWindow> window_;
  std::unique_ptr<WindowSurface> surface_;
  // After the surface: the bitmaps made for the window go first.
  softgdi::SoftGdi gdi_;
  Handle windowDc_ = 0;
  std::int32_t cursorCount_ = 0;  // the pointer shows while it is 0 or more
};

}  // namespace quellar::x11
