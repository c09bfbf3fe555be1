#pragma once
// The port on Win32: every call is the real user32, gdi32, kernel32 or advapi32 one, with the
// arguments the engine passes.

#include <windows.h>

#include <chrono>
#include <memory>

#include "engine/platform.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/win32/desktop_guard.h"
#include "platforms/win32/gdi_objects.h"
#include "platforms/win32/instance_lock.h"
#include "platforms/win32/main_window.h"
#include "platforms/win32/pixel_copies.h"
#include "platforms/win32/run_end.h"
#include "platforms/win32/window_surface.h"

namespace quellar::win32 {

class Win32Platform final : public Platform, public monitors::MonitorSource {
 public:
  // Pixels are moved through `copies`.
  Win32Platform(HINSTANCE instance, RunEnd& runEnd, PixelCopies& copies = SystemPixelCopies());

  void Attach(FormEvents& events) { window_.Attach(events); }
  // How a tick runs here: inside the window's tick scope (FrmMainEvents' runner).
  FrmMainEvents::TickRunner TickRunner() {
    return [this](const std::function<void()>& tick) { surface_.DuringTick(tick); };
  }
  // Gives back what the run took from the desktop, whatever became of the run.
  void RestoreDesktop() { desktop_.Restore(); }

  // Process.
  std::string CommandLine() override;
  ProgramInfo Program() override;
  bool PrevInstance() override { return instanceMutex_.OtherInstance(); }
  [[noreturn]] void EndProcess() override;

  // System.
  std::vector<monitors::MonitorInfo> Monitors() override;
  ScreenTwips ScreenSize() override;
  std::uint64_t ClockReading() override {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override;
  std::int32_t ShowCursor(bool show) override { return desktop_.ShowCursor(show); }
  void ShowMessageBox(const std::string& text, std::uint32_t flags,
                      const std::string& caption) override;
  registry::RegistryApi& Registry() override;

  // frmMain.
  Handle MainWindow() override { return ToHandle(window_.Hwnd()); }
  void SetCaption(Handle window, const std::string& caption) override;
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override;
  std::int32_t GetWindowLongValue(Handle window, std::int32_t index) override;
  std::intptr_t SetWindowLongValue(Handle window, std::int32_t index, std::intptr_t value) override;
  Handle SetParent(Handle window, Handle parent) override;
  bool GetClientRect(Handle window, Rect& rect) override;
  void CloseMainWindow() override { window_.Close(); }

  void SetTimerInterval(TimerId timer, std::int32_t milliseconds) override;
  std::int32_t TimerInterval(TimerId timer) override { return window_.TimerInterval(timer); }
  void SetTimerEnabled(TimerId timer, bool enabled) override;

  void ShowSettingsDialog() override;

  // Drawing.
  Handle GetWindowDC(Handle window) override;
  Handle CreateCompatibleDC(Handle dc) override;
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) override;
  Handle SelectObject(Handle dc, Handle object) override;
  bool DeleteDC(Handle dc) override;
  Handle LoadBitmapResource(std::int16_t id) override;
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop) override;

 private:
  HINSTANCE instance_;
  InstanceMutex instanceMutex_;
  DesktopGuard desktop_;
  std::unique_ptr<registry::RegistryApi> registry_;
  // Before the window: its memory DCs are released after it has gone.
  GdiObjects gdi_;
  PixelCopies& copies_;
  WindowSurface surface_;
  win32::MainWindow window_;
  HDC windowDc_ = nullptr;
};

}  // namespace quellar::win32
