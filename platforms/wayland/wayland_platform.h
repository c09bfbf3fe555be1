#pragma once
// The port on a Wayland desktop that offers layer surfaces: frmMain's window is the outputs'
// layout in device pixels, shown by one overlay surface per output (WindowSurface); the rest is
// every Linux desktop's (DesktopPlatform). Only a full-screen run comes here: a preview's host
// window is an X window, and the dialogs find their display themselves.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platforms/desktop/desktop_platform.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/window_longs.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/wayland/session_flag.h"
#include "platforms/wayland/wayland_display.h"
#include "platforms/wayland/window_surface.h"

namespace quellar::wayland {

// Who started the run: the user, with the standard switches, or an idle daemon, for which the
// run takes no previous-instance lock and ends at the first input.
enum class Starter { kUser, kIdleDaemon };

class WaylandPlatform : public desktop::DesktopPlatform, public monitors::MonitorSource {
 public:
  WaylandPlatform(std::string commandLine, std::unique_ptr<WaylandDisplay> display,
                  Starter starter = Starter::kUser);
  // The surfaces go, and the compositor has seen them go, before the session's flag does.
  ~WaylandPlatform() override;

  // Whether Main left a run to go on with.
  bool HasMainWindow() const { return windowMade_; }
  // Runs frmMain's events and timers until the process ends; `onShown` runs once every output
  // has shown a frame. A connection that fails raises a RuntimeError, after which
  // ConnectionLost() is true (an idle daemon's run ends then).
  void Run(FrmMain& form, std::function<void()> onShown = {});
  bool ConnectionLost() const { return connectionLost_; }

  std::vector<monitors::MonitorInfo> Monitors() override;

  ScreenTwips ScreenSize() override;
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override;
  std::int32_t ShowCursor(bool show) override;

  Handle MainWindow() override;
  void SetCaption(Handle /*window*/, const std::string& /*caption*/) override {}
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override;
  std::int32_t GetWindowLongValue(Handle window, std::int32_t index) override;
  std::intptr_t SetWindowLongValue(Handle window, std::int32_t index, std::intptr_t value) override;
  // No window of another program can hold the surfaces.
  Handle SetParent(Handle /*window*/, Handle /*parent*/) override { return 0; }
  bool GetClientRect(Handle window, Rect& rect) override;
  void CloseMainWindow() override;

  Handle GetWindowDC(Handle window) override;
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) override {
    return gdi_.CreateCompatibleBitmap(dc, width, height);
  }

 protected:
  softgdi::SoftGdi& Gdi() override { return gdi_; }
  std::string NoDisplayMessage() const override;

 private:
  // The handle the window is known by: no handle of the soft GDI's is negative.
  static constexpr Handle kWindow = -0x5157;

  // Freed in reverse order: the surface and the soft GDI's window go before the connection.
  std::unique_ptr<WaylandDisplay> display_;
  const Starter starter_;
  SessionFlag flag_;
  WindowSurface surface_;
  softgdi::SoftGdi gdi_;
  Handle windowDc_ = 0;
  bool windowMade_ = false;
  bool connectionLost_ = false;
  Rect window_;
  WindowLongs longs_;
  std::int32_t cursorCount_ = 0;  // the pointer shows while it is 0 or more
};

}  // namespace quellar::wayland
