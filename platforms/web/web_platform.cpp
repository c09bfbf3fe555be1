#include "platforms/web/web_platform.h"

#include <emscripten/emscripten.h>

#include <iostream>
#include <utility>

#include "platforms/forms/frm_main.h"
#include "platforms/forms/process_end.h"
#include "platforms/web/page_calls.h"
#include "resources/embedded.h"

namespace quellar::web {
namespace {

constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

std::int64_t PageMicroseconds() {
  return static_cast<std::int64_t>(emscripten_get_now() * kMicrosecondsPerMillisecond);
}

}  // namespace

WebPlatform::WebPlatform(registry::RegistryApi& store, RunSettings settings)
    : store_(store),
      settings_(std::move(settings)),
      timers_(settings_.clock == Clock::kPage ? kMicrosecondsPerMillisecond : 1) {
  AdvanceClock();
  // frmMain's design: both timers disabled, at these intervals.
  timers_.SetInterval(TimerId::Timer1, kTimer1DesignInterval);
  timers_.SetInterval(TimerId::tmrOSD, kTmrOsdInterval);
}

void WebPlatform::AdvanceClock() {
  if (settings_.clock == Clock::kPage) timers_.AdvanceTo(PageMicroseconds());
}

std::optional<double> WebPlatform::MillisecondsToNextTimer() {
  AdvanceClock();
  const std::optional<std::int64_t> due = timers_.NextDue();
  if (!due) return std::nullopt;
  return static_cast<double>(*due - timers_.Now()) / kMicrosecondsPerMillisecond;
}

std::vector<monitors::MonitorInfo> WebPlatform::Monitors() {
  return {{Rect{0, 0, settings_.width, settings_.height}, true}};
}

ProgramInfo WebPlatform::Program() {
  return {settings_.pageDirectory, "quellar", QUELLAR_VERSION_MAJOR, QUELLAR_VERSION_MINOR,
          QUELLAR_VERSION_PATCH};
}

void WebPlatform::EndProcess() {
  throw ProcessEnd{0};
}

ScreenTwips WebPlatform::ScreenSize() {
  return {static_cast<float>(settings_.width) * 15.0f,
          static_cast<float>(settings_.height) * 15.0f};
}

// The clock as the event being handled found it: the rain reseeds its generator with a reading
// for every column that has a gap to make, and a reading of the page's clock costs a call out of
// the program. On the virtual clock it is the run's own time, so a seeded run reseeds as
// quellar-render's does.
std::uint64_t WebPlatform::ClockReading() {
  return static_cast<std::uint64_t>(timers_.Now());
}

std::int32_t WebPlatform::SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                           std::int32_t& pvParam, std::uint32_t /*winIni*/) {
  if (action == kSpiGetScreenSaverRunning) pvParam = screenSaverRunning_;
  if (action == kSpiSetScreenSaverRunning) screenSaverRunning_ = uiParam != 0 ? 1 : 0;
  return 1;
}

std::int32_t WebPlatform::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  quellar_canvas_cursor(cursorCount_ < 0);
  return cursorCount_;
}

void WebPlatform::ShowMessageBox(const std::string& text, std::uint32_t /*flags*/,
                                 const std::string& caption) {
  std::cerr << caption << ": " << text << '\n';
  lastMessage_ = text;
}

std::int32_t WebPlatform::SetWindowPos(Handle window, Handle /*insertAfter*/, std::int32_t /*x*/,
                                       std::int32_t /*y*/, std::int32_t width, std::int32_t height,
                                       std::uint32_t flags) {
  if (window != kMainWindow) return 0;
  if ((flags & kSwpNoSize) == 0) canvas_.Resize(width, height);
  return 1;
}

std::int32_t WebPlatform::GetWindowLongValue(Handle window, std::int32_t index) {
  return window == kMainWindow ? longs_.Get(index) : 0;
}

std::intptr_t WebPlatform::SetWindowLongValue(Handle window, std::int32_t index,
                                              std::intptr_t value) {
  return window == kMainWindow ? longs_.Set(index, value) : 0;
}

void WebPlatform::SetTimerInterval(TimerId timer, std::int32_t milliseconds) {
  AdvanceClock();
  timers_.SetInterval(timer, milliseconds);
}

void WebPlatform::SetTimerEnabled(TimerId timer, bool enabled) {
  AdvanceClock();
  timers_.SetEnabled(timer, enabled);
}

void WebPlatform::ShowSettingsDialog() {
  ShowMessageBox(
      "The page has no settings dialog: the hotkeys change the settings (F1 lists them).",
      kMbIconExclamation, "Quellar");
}

Handle WebPlatform::GetWindowDC(Handle window) {
  if (window != kMainWindow) return 0;
  if (windowDc_ == 0) windowDc_ = gdi_.CreateWindowDC(canvas_);
  return windowDc_;
}

Handle WebPlatform::LoadBitmapResource(std::int16_t id) {
  return gdi_.AddBitmapResource(id, resources::EmbeddedBitmap(id));
}

}  // namespace quellar::web
