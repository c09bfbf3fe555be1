#pragma once
// The port on Linux with X11: frmMain is an X window, its device context a window surface over
// the shared soft GDI, the settings live in the SQLite store, and the notice and the settings
// dialog are GTK windows. The display is opened at start when there is one; only the services
// that need it fail without it.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "engine/platform.h"
#include "registry/sqlite/sqlite_store.h"
#include "windows/frm_main.h"
#include "windows/monitors/monitor_layout.h"
#include "windows/softgdi/soft_gdi.h"
#include "windows/timers/form_timers.h"
#include "windows/x11/display.h"
#include "windows/x11/instance_lock.h"
#include "windows/x11/main_window.h"
#include "windows/x11/saver_flag.h"
#include "windows/x11/termination_signals.h"
#include "windows/x11/window_surface.h"

namespace quellar::x11 {

class X11Platform : public Platform, public monitors::MonitorSource {
 public:
  X11Platform(int argc, const char* const* argv);

  // Whether Main left a run to go on with.
  bool HasMainWindow() const { return window_ != nullptr; }
  // Runs frmMain's events and timers until the process ends.
  [[noreturn]] void Run(FrmMain& form);
  // Retries the settings writes that missed another process's lock; for when the windows are
  // gone.
  void FinishStore();

  std::string CommandLine() override { return commandLine_; }
  ProgramInfo Program() override { return program_; }
  bool PrevInstance() override { return instanceLock_.OtherInstance(); }
  [[noreturn]] void EndProcess() override;

  std::vector<monitors::MonitorInfo> Monitors() override;

  ScreenTwips ScreenSize() override;
  std::uint64_t ClockReading() override {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override;
  std::int32_t ShowCursor(bool show) override;
  void ShowMessageBox(const std::string& text, std::uint32_t flags,
                      const std::string& caption) override;
  registry::RegistryApi& Registry() override;

  Handle MainWindow() override;
  void SetCaption(Handle window, const std::string& caption) override;
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override;
  std::int32_t GetWindowLongValue(Handle window, std::int32_t index) override;
  std::intptr_t SetWindowLongValue(Handle window, std::int32_t index, std::intptr_t value) override;
  Handle SetParent(Handle window, Handle parent) override;
  bool GetClientRect(Handle window, Rect& rect) override;
  void CloseMainWindow() override;

  void SetTimerInterval(TimerId timer, std::int32_t milliseconds) override;
  std::int32_t TimerInterval(TimerId timer) override { return timers_.Interval(timer); }
  void SetTimerEnabled(TimerId timer, bool enabled) override;

  void ShowSettingsDialog() override;

  Handle GetWindowDC(Handle window) override;
  Handle CreateCompatibleDC(Handle dc) override { return gdi_.CreateCompatibleDC(dc); }
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) override {
    return gdi_.CreateCompatibleBitmap(dc, width, height);
  }
  Handle SelectObject(Handle dc, Handle object) override { return gdi_.SelectObject(dc, object); }
  bool DeleteDC(Handle dc) override { return gdi_.DeleteDC(dc); }
  Handle LoadBitmapResource(std::int16_t id) override;
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop) override {
    return gdi_.BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
  }

 private:
  Display* RequireDisplay();
  x11::MainWindow& Window();
  bool IsMainWindow(Handle window) const;

  // First: a termination signal during start-up waits for the loop instead of killing the
  // process half-way.
  TerminationSignals signals_;
  const std::string commandLine_;
  const ProgramInfo program_;
  const InstanceLock instanceLock_;
  std::unique_ptr<registry::SqliteStore> registry_;  // opened at first use
  FormTimers timers_;
  softgdi::SoftGdi gdi_;
  // Freed in reverse order: the window and the flag go before the connection they live on.
  DisplayPtr display_;
  std::optional<SaverFlag> saverFlag_;
  std::unique_ptr<x11::MainWindow> window_;
  std::unique_ptr<WindowSurface> surface_;
  Handle windowDc_ = 0;
  std::int32_t cursorCount_ = 0;  // the pointer shows while it is 0 or more
};

}  // namespace quellar::x11
