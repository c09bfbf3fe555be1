#pragma once
// The port in a web page: frmMain is the page's canvas, one monitor of the page's size, drawn by
// the soft GDI; the timers run on the page's clock, or on a virtual one that only the run moves
// (a seeded run then draws exactly what quellar-render draws). The settings are the page's
// store. A run's command line is always /s: the page shows the rain, and the hotkeys are its
// settings.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/platform.h"
#include "platforms/forms/window_longs.h"
#include "platforms/monitors/monitor_layout.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/timers/form_timers.h"
#include "platforms/web/canvas_target.h"

namespace quellar::web {

enum class Clock { kPage, kVirtual };

struct RunSettings {
  std::int32_t width = 0;  // device pixels
  std::int32_t height = 0;
  std::uint64_t seed = 0;
  Clock clock = Clock::kPage;
  std::string pageDirectory;  // the page's address, where the program says it is installed
};

class WebPlatform final : public Platform, public monitors::MonitorSource {
 public:
  static constexpr Handle kMainWindow = 1;

  WebPlatform(registry::RegistryApi& store, RunSettings settings);
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  // Moves a page clock to the present; a virtual one stays where the run left it.
  void AdvanceClock();
  // From now on the page's clock, when a timer runs.
  std::optional<double> MillisecondsToNextTimer();
  FormTimers& Timers() { return timers_; }
  CanvasTarget& Canvas() { return canvas_; }
  // The text of the last message box, empty when none was shown.
  const std::string& LastMessage() const { return lastMessage_; }

  std::vector<monitors::MonitorInfo> Monitors() override;

  std::string CommandLine() override { return "/s"; }
  ProgramInfo Program() override;
  bool PrevInstance() override { return false; }
  [[noreturn]] void EndProcess() override;
  ScreenTwips ScreenSize() override;
  std::uint64_t ClockReading() override;
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override;
  std::int32_t ShowCursor(bool show) override;
  void ShowMessageBox(const std::string& text, std::uint32_t flags,
                      const std::string& caption) override;
  registry::RegistryApi& Registry() override { return store_; }

  Handle MainWindow() override { return kMainWindow; }
  void SetCaption(Handle /*window*/, const std::string& /*caption*/) override {}
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override;
  std::int32_t GetWindowLongValue(Handle window, std::int32_t index) override;
  std::intptr_t SetWindowLongValue(Handle window, std::int32_t index, std::intptr_t value) override;
  // The page's canvas has no parent but the page, and a run here is never a guest.
  Handle SetParent(Handle /*window*/, Handle /*parent*/) override { return 0; }
  bool GetClientRect(Handle /*window*/, Rect& /*rect*/) override { return false; }
  // The canvas keeps the last frame: the page says the run has ended beside it.
  void CloseMainWindow() override {}

  void SetTimerInterval(TimerId timer, std::int32_t milliseconds) override;
  std::int32_t TimerInterval(TimerId timer) override { return timers_.Interval(timer); }
  void SetTimerEnabled(TimerId timer, bool enabled) override;
  // Never asked for by a run of /s; a message says where the settings are instead.
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
  registry::RegistryApi& store_;
  const RunSettings settings_;
  CanvasTarget canvas_;
  // After the canvas: the window's device context sends to it.
  softgdi::SoftGdi gdi_;
  FormTimers timers_;
  WindowLongs longs_;
  Handle windowDc_ = 0;
  std::int32_t cursorCount_ = 0;  // the pointer shows while it is 0 or more
  std::int32_t screenSaverRunning_ = 0;
  std::string lastMessage_;
};

}  // namespace quellar::web
