#pragma once
// The port on Linux with X11: frmMain is an X window, its device context a window surface over
// the shared soft GDI, the settings live in the SQLite store, and the notice and the settings
// dialog are GTK windows of a module loaded only to show them. The display is opened at start when
// there is one; only the services that need it fail without it.
//
// A guest of a screen-saver host runs the engine as a full-screen run whose screen is the
// host's window: the engine draws there at the window's size, its placement, pointer and
// screen-saver flag change nothing, no instance lock is taken, and its command line is empty,
// so the already-running test never refuses it (hosts start one guest per monitor).

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/platform.h"
#include "platforms/forms/frm_main.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/timers/form_timers.h"
#include "platforms/x11/dialogs_loader.h"
#include "platforms/x11/display.h"
#include "platforms/x11/instance_lock.h"
#include "platforms/x11/rain_window.h"
#include "platforms/x11/run_signals.h"
#include "platforms/x11/saver_flag.h"
#include "platforms/x11/window_surface.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::x11 {

class X11Platform : public Platform, public monitors::MonitorSource {
 public:
  // A program with windows of its own, given the standard switches.
  X11Platform(int argc, const char* const* argv);
  // A guest in the host's window `hostWindow`, or in the root window. Raises a NoDisplayError,
  // a HostWindowError, or a RuntimeError for a window whose visual cannot show the frames.
  explicit X11Platform(std::optional<std::uint32_t> hostWindow);

  // Whether Main left a run to go on with.
  bool HasMainWindow() const { return window_ != nullptr; }
  // Runs frmMain's events and timers until the process ends; for a guest, until the host's
  // window has changed size or SIGUSR1 asks for a fresh start.
  void Run(FrmMain& form);
  // Forgets what the last engine made (device contexts, bitmaps, timers) and blanks the window,
  // for a new engine in the same window at its present size.
  void StartAfresh();
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
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) override;
  Handle SelectObject(Handle dc, Handle object) override { return gdi_.SelectObject(dc, object); }
  bool DeleteDC(Handle dc) override { return gdi_.DeleteDC(dc); }
  Handle LoadBitmapResource(std::int16_t id) override;
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop) override {
    return gdi_.BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
  }

 private:
  X11Platform(std::string commandLine, bool guest);
  Display* RequireDisplay();
  RainWindow& Window();
  void ShowIn(std::unique_ptr<RainWindow> window);
  void ResetTimers();
  // The dialogs module, loaded at first use.
  const gtk::DialogsApi& Dialogs();
  bool IsMainWindow(Handle window) const;

  // First: a signal during start-up waits for the loop instead of killing the process half-way.
  RunSignals signals_;
  const bool guest_;
  const std::string commandLine_;
  const ProgramInfo program_;
  const InstanceLock instanceLock_;
  std::unique_ptr<registry::SqliteStore> registry_;  // opened at first use
  std::optional<DialogsModule> dialogs_;             // loaded at first use
  FormTimers timers_;
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

// Settings writes that missed another process's lock are retried once the run is over, however
// the program ends.
class FinishStoreAtEnd {
 public:
  explicit FinishStoreAtEnd(X11Platform& platform) : platform_(platform) {}
  ~FinishStoreAtEnd() { platform_.FinishStore(); }
  FinishStoreAtEnd(const FinishStoreAtEnd&) = delete;
  FinishStoreAtEnd& operator=(const FinishStoreAtEnd&) = delete;

 private:
  X11Platform& platform_;
};

}  // namespace quellar::x11
