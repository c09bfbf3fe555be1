#include "platforms/memory/memory_platform.h"

#include "platforms/forms/frm_main.h"
#include "platforms/forms/process_end.h"
#include "platforms/memory/call_log.h"
#include "resources/embedded.h"

namespace quellar::memory {
namespace {

const char* NameOf(TimerId timer) {
  return timer == TimerId::Timer1 ? "Timer1" : "tmrOSD";
}

}  // namespace

MemoryPlatform::MemoryPlatform(registry::RegistryApi& registry, MemoryConfig config)
    : config_(std::move(config)),
      registry_(registry, [this](std::string call) { Log(std::move(call)); }),
      screenSaverFlag_(config_.screenSaverRunning) {
  // frmMain's design: both timers disabled, at these intervals.
  timers_.SetInterval(TimerId::Timer1, kTimer1DesignInterval);
  timers_.SetInterval(TimerId::tmrOSD, kTmrOsdInterval);
}

void MemoryPlatform::Log(std::string call) {
  if (config_.logging != Logging::kOff) calls_.push_back(std::move(call));
}

void MemoryPlatform::EndProcess() {
  Log("EndProcess()");
  throw ProcessEnd{};
}

std::vector<monitors::MonitorInfo> MemoryPlatform::Monitors() {
  if (!config_.monitors.empty()) return config_.monitors;
  return {{Rect{0, 0, config_.screenWidth, config_.screenHeight}, true}};
}

ScreenTwips MemoryPlatform::ScreenSize() {
  return {static_cast<float>(config_.screenWidth) * 15.0f,
          static_cast<float>(config_.screenHeight) * 15.0f};
}

std::int32_t MemoryPlatform::SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                              std::int32_t& pvParam, std::uint32_t winIni) {
  Log(Call("SystemParametersInfo", action, static_cast<std::int32_t>(uiParam), pvParam, winIni));
  if (action == kSpiGetScreenSaverRunning) pvParam = screenSaverFlag_ != 0 ? 1 : 0;
  if (action == kSpiSetScreenSaverRunning) screenSaverFlag_ = uiParam != 0 ? 1 : 0;
  return 1;
}

std::int32_t MemoryPlatform::ShowCursor(bool show) {
  Log(Call("ShowCursor", show ? 1 : 0));
  cursorCount_ += show ? 1 : -1;
  return cursorCount_;
}

void MemoryPlatform::ShowMessageBox(const std::string& text, std::uint32_t flags,
                                    const std::string& caption) {
  Log(Call("MessageBox", text, flags, caption));
  messageBoxes_.push_back(text);
}

void MemoryPlatform::EnsureWindow() {
  if (window_.exists) return;
  Log("CreateWindow(frmMain, hidden)");
  window_.exists = true;
}

Handle MemoryPlatform::MainWindow() {
  EnsureWindow();
  return kMainWindow;
}

void MemoryPlatform::SetCaption(Handle window, const std::string& caption) {
  Log(Call("SetCaption", window, caption));
  if (window == kMainWindow) window_.caption = caption;
}

std::int32_t MemoryPlatform::SetWindowPos(Handle window, Handle insertAfter, std::int32_t x,
                                          std::int32_t y, std::int32_t width, std::int32_t height,
                                          std::uint32_t flags) {
  Log(Call("SetWindowPos", window, insertAfter, x, y, width, height, flags));
  if (window != kMainWindow || !window_.exists) return 0;
  if ((flags & kSwpNoZOrder) == 0) window_.topmost = insertAfter == kHwndTopmost;
  if ((flags & kSwpNoSize) != 0) {
    width = window_.rect.right - window_.rect.left;
    height = window_.rect.bottom - window_.rect.top;
  }
  window_.rect = Rect{x, y, x + width, y + height};
  if ((flags & kSwpShowWindow) != 0) window_.visible = true;
  frame_.Resize(width, height);
  return 1;
}

std::int32_t MemoryPlatform::GetWindowLongValue(Handle window, std::int32_t index) {
  Log(Call("GetWindowLong", window, index));
  return window == kMainWindow && index == kGwlStyle ? window_.style : 0;
}

std::intptr_t MemoryPlatform::SetWindowLongValue(Handle window, std::int32_t index,
                                                 std::intptr_t value) {
  Log(Call("SetWindowLong", window, index, value));
  if (window != kMainWindow) return 0;
  if (index == kGwlStyle) window_.style = static_cast<std::int32_t>(value);
  if (index == kGwlHwndParent) window_.owner = value;
  return 1;
}

Handle MemoryPlatform::SetParent(Handle window, Handle parent) {
  Log(Call("SetParent", window, parent));
  if (window != kMainWindow) return 0;
  const Handle previous = window_.parent;
  window_.parent = parent;
  return previous;
}

bool MemoryPlatform::GetClientRect(Handle window, Rect& rect) {
  Log(Call("GetClientRect", window));
  const auto host = config_.hostWindows.find(window);
  if (host == config_.hostWindows.end()) return false;
  rect = Rect{0, 0, host->second.right - host->second.left, host->second.bottom - host->second.top};
  return true;
}

void MemoryPlatform::CloseMainWindow() {
  Log("CloseMainWindow()");
  window_ = WindowState{};
}

void MemoryPlatform::SetTimerInterval(TimerId timer, std::int32_t milliseconds) {
  EnsureWindow();
  Log(Call("SetTimerInterval", NameOf(timer), milliseconds));
  timers_.SetInterval(timer, milliseconds);
}

std::int32_t MemoryPlatform::TimerInterval(TimerId timer) {
  return timers_.Interval(timer);
}

void MemoryPlatform::SetTimerEnabled(TimerId timer, bool enabled) {
  EnsureWindow();
  Log(Call("SetTimerEnabled", NameOf(timer), enabled));
  timers_.SetEnabled(timer, enabled);
}

void MemoryPlatform::ShowSettingsDialog() {
  Log("ShowSettingsDialog()");
  settingsDialogShown_ = true;
}

Handle MemoryPlatform::GetWindowDC(Handle window) {
  Log(Call("GetWindowDC", window));
  if (windowDc_ == 0) windowDc_ = gdi_.CreateWindowDC(frame_);
  return windowDc_;
}

Handle MemoryPlatform::CreateCompatibleDC(Handle dc) {
  const Handle created = gdi_.CreateCompatibleDC(dc);
  Log(Call("CreateCompatibleDC", dc) + " = " + std::to_string(created));
  return created;
}

// The bitmap the engine makes for the window is its back buffer: the window shows its pixels
// where they are.
Handle MemoryPlatform::CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) {
  const Handle created =
      dc != 0 && dc == windowDc_
          ? gdi_.AddBitmap(softgdi::Surface(width, height, frame_.NewBitmap(width, height)))
          : gdi_.CreateCompatibleBitmap(dc, width, height);
  Log(Call("CreateCompatibleBitmap", dc, width, height) + " = " + std::to_string(created));
  return created;
}

Handle MemoryPlatform::SelectObject(Handle dc, Handle object) {
  Log(Call("SelectObject", dc, object));
  return gdi_.SelectObject(dc, object);
}

bool MemoryPlatform::DeleteDC(Handle dc) {
  Log(Call("DeleteDC", dc));
  return gdi_.DeleteDC(dc);
}

Handle MemoryPlatform::LoadBitmapResource(std::int16_t id) {
  const Handle bitmap = gdi_.AddBitmapResource(id, resources::EmbeddedBitmap(id));
  Log(Call("LoadBitmapResource", id) + " = " + std::to_string(bitmap));
  return bitmap;
}

bool MemoryPlatform::BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, Handle source, std::int32_t sourceX,
                            std::int32_t sourceY, std::uint32_t rop) {
  if (config_.logging == Logging::kCallsAndDrawing) {
    Log(Call("BitBlt", destination, x, y, width, height, source, sourceX, sourceY, rop));
  }
  return gdi_.BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
}

}  // namespace quellar::memory
