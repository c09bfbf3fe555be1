#pragma once
// The headless platform: pixel surfaces, a virtual clock, and system state a test can read.
// It keeps a log of the calls the engine makes, with their arguments, in the order made: the
// platform's own and the registry's value reads and writes.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "platforms/memory/logging_registry.h"
#include "platforms/memory/window_frame.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/timers/form_timers.h"

namespace quellar::memory {

// What the call log keeps. A long run keeps nothing: the log grows with every call it keeps.
enum class Logging { kOff, kCalls, kCallsAndDrawing };

struct MemoryConfig {
  std::int32_t screenWidth = 1024;  // pixels; reported as 15 twips each
  std::int32_t screenHeight = 768;
  std::string commandLine = "/s";
  ProgramInfo program{"C:\\Quellar", "Quellar", 2, 0, 0};
  bool prevInstance = false;
  std::int32_t screenSaverRunning = 0;   // what action 114 answers at start
  std::map<Handle, Rect> hostWindows{};  // windows of other programs, by handle
  Logging logging = Logging::kCalls;
  std::uint64_t seed = 1;  // of the engine's random generator
  // The desktop's monitors; none: one monitor of the screen's size at the origin.
  std::vector<monitors::MonitorInfo> monitors{};
};

// The window frmMain as the desktop would show it.
struct WindowState {
  bool exists = false;
  bool visible = false;
  bool topmost = false;
  Handle parent = 0;
  Handle owner = 0;
  std::int32_t style = 0;
  Rect rect;  // left, top, right, bottom in its parent's coordinates
  std::string caption;
};

class MemoryPlatform : public Platform, public monitors::MonitorSource {
 public:
  static constexpr Handle kMainWindow = 0x10010;

  MemoryPlatform(registry::RegistryApi& registry, MemoryConfig config);
  MemoryPlatform(const MemoryPlatform&) = delete;
  MemoryPlatform& operator=(const MemoryPlatform&) = delete;

  // Observable state.
  const MemoryConfig& Config() const { return config_; }
  const std::vector<std::string>& Calls() const { return calls_; }
  const WindowState& Window() const { return window_; }
  const softgdi::Surface& Frame() const { return frame_.Pixels(); }
  // Runs Timer1's handler as a tick of the window (softgdi::WindowTarget::DuringTick).
  void DuringTick(const std::function<void()>& tick) { frame_.DuringTick(tick); }
  std::int32_t CursorCount() const { return cursorCount_; }
  std::int32_t ScreenSaverFlag() const { return screenSaverFlag_; }
  const std::vector<std::string>& MessageBoxes() const { return messageBoxes_; }
  bool SettingsDialogShown() const { return settingsDialogShown_; }
  FormTimers& Timers() { return timers_; }
  const FormTimers& Timers() const { return timers_; }
  softgdi::SoftGdi& Gdi() { return gdi_; }

  // The monitors change (a display added or removed).
  void SetMonitors(std::vector<monitors::MonitorInfo> monitors) {
    config_.monitors = std::move(monitors);
  }
  std::vector<monitors::MonitorInfo> Monitors() override;

  // Platform.
  std::string CommandLine() override { return config_.commandLine; }
  ProgramInfo Program() override { return config_.program; }
  bool PrevInstance() override { return config_.prevInstance; }
  [[noreturn]] void EndProcess() override;
  ScreenTwips ScreenSize() override;
  std::uint64_t ClockReading() override { return static_cast<std::uint64_t>(timers_.Now()); }
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override;
  std::int32_t ShowCursor(bool show) override;
  void ShowMessageBox(const std::string& text, std::uint32_t flags,
                      const std::string& caption) override;
  registry::RegistryApi& Registry() override { return registry_; }
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
  std::int32_t TimerInterval(TimerId timer) override;
  void SetTimerEnabled(TimerId timer, bool enabled) override;
  void ShowSettingsDialog() override;
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
  void Log(std::string call);
  void EnsureWindow();

  MemoryConfig config_;
  LoggingRegistry registry_;
  // The bitmaps made for the window keep it: it goes after them.
  WindowFrame frame_;
  softgdi::SoftGdi gdi_;
  FormTimers timers_;
  WindowState window_;
  Handle windowDc_ = 0;
  std::int32_t cursorCount_ = 0;
  std::int32_t screenSaverFlag_;
  std::vector<std::string> messageBoxes_;
  std::vector<std::string> calls_;
  bool settingsDialogShown_ = false;
};

}  // namespace quellar::memory
