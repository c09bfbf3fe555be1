#include "windows/x11/x11_platform.h"

#include <iostream>
#include <variant>

#include "engine/runtime_error.h"
#include "registry/sqlite/default_store.h"
#include "resources/embedded.h"
#include "windows/gtk/message_box.h"
#include "windows/gtk/settings_window.h"
#include "windows/process_end.h"
#include "windows/softgdi/bmp.h"
#include "windows/x11/event_loop.h"
#include "windows/x11/monitor_query.h"
#include "windows/x11/program_info.h"
#include "windows/x11/shm_presenter.h"
#include "windows/x11/x_errors.h"

namespace quellar::x11 {
namespace {

constexpr float kTwipsPerPixel = 15.0f;
constexpr std::int32_t kTrue = 1;

// X window ids are 29-bit numbers; anything else cannot name a window.
std::optional<::Window> XWindowOf(Handle handle) {
  if (handle <= 0 || handle > 0x1FFFFFFF) return std::nullopt;
  return static_cast<::Window>(handle);
}

}  // namespace

X11Platform::X11Platform(int argc, const char* const* argv)
    : commandLine_(JoinArguments(argc, argv)),
      program_(DescribeProgram(ExecutablePath())),
      instanceLock_(InstanceLock::ForExecutable(program_.exeName)),
      display_(OpenDisplay()) {
  if (display_) saverFlag_.emplace(display_.get());
  timers_.AdvanceTo(MonotonicMilliseconds());
  // frmMain's design: both timers disabled, at these intervals.
  timers_.SetInterval(TimerId::Timer1, kTimer1DesignInterval);
  timers_.SetInterval(TimerId::tmrOSD, kTmrOsdInterval);
}

Display* X11Platform::RequireDisplay() {
  if (!display_) throw NoDisplayError(NoDisplayMessage());
  return display_.get();
}

void X11Platform::Run(FrmMain& form) {
  EventLoop(RequireDisplay(), timers_, signals_, Window(), *surface_, form).Run();
}

void X11Platform::EndProcess() {
  throw ProcessEnd{0};
}

std::vector<monitors::MonitorInfo> X11Platform::Monitors() {
  return QueryMonitors(RequireDisplay());
}

ScreenTwips X11Platform::ScreenSize() {
  Display* display = RequireDisplay();
  const int screen = XDefaultScreen(display);
  return {static_cast<float>(XDisplayWidth(display, screen)) * kTwipsPerPixel,
          static_cast<float>(XDisplayHeight(display, screen)) * kTwipsPerPixel};
}

std::int32_t X11Platform::SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                           std::int32_t& pvParam, std::uint32_t /*winIni*/) {
  if (action == kSpiSetScreenSaverRunning) {
    RequireDisplay();
    saverFlag_->Set(uiParam != 0);
    return kTrue;
  }
  if (action == kSpiGetScreenSaverRunning) {
    // Without a display no screen saver can be running on it.
    pvParam = saverFlag_ && saverFlag_->IsSet() ? 1 : 0;
    return kTrue;
  }
  return 0;
}

// Windows keeps a display count: the pointer shows while it is 0 or more.
std::int32_t X11Platform::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  if (window_) window_->SetPointerHidden(cursorCount_ < 0);
  return cursorCount_;
}

void X11Platform::ShowMessageBox(const std::string& text, std::uint32_t flags,
                                 const std::string& caption) {
  if (!gtk::ShowMessageBox(text, flags, caption, signals_.Descriptor())) {
    std::cerr << caption << ": " << text << '\n';
  }
}

registry::RegistryApi& X11Platform::Registry() {
  if (!registry_) {
    registry_ = registry::OpenDefaultStore(
        {[](const std::string& line) { std::cerr << "quellar: " << line << '\n'; }});
  }
  return *registry_;
}

void X11Platform::FinishStore() {
  if (registry_) registry_->FinishPendingWrites();
}

x11::MainWindow& X11Platform::Window() {
  if (!window_) {
    Display* display = RequireDisplay();
    window_ = std::make_unique<x11::MainWindow>(display);
    surface_ =
        std::make_unique<WindowSurface>(std::make_unique<ShmPresenter>(display, window_->Id()),
                                        window_->Width(), window_->Height());
    window_->SetPointerHidden(cursorCount_ < 0);
  }
  return *window_;
}

Handle X11Platform::MainWindow() {
  return static_cast<Handle>(Window().Id());
}

bool X11Platform::IsMainWindow(Handle window) const {
  return window_ && window == static_cast<Handle>(window_->Id());
}

void X11Platform::SetCaption(Handle window, const std::string& caption) {
  if (IsMainWindow(window)) window_->SetCaption(caption);
}

std::int32_t X11Platform::SetWindowPos(Handle window, Handle insertAfter, std::int32_t x,
                                       std::int32_t y, std::int32_t width, std::int32_t height,
                                       std::uint32_t flags) {
  if (!IsMainWindow(window)) return 0;
  window_->Place(insertAfter, x, y, width, height, flags);
  surface_->Resize(window_->Width(), window_->Height());
  return kTrue;
}

std::int32_t X11Platform::GetWindowLongValue(Handle window, std::int32_t index) {
  return IsMainWindow(window) ? window_->WindowLong(index) : 0;
}

std::intptr_t X11Platform::SetWindowLongValue(Handle window, std::int32_t index,
                                              std::intptr_t value) {
  return IsMainWindow(window) ? window_->SetWindowLong(index, value) : 0;
}

Handle X11Platform::SetParent(Handle window, Handle parent) {
  const std::optional<::Window> newParent = XWindowOf(parent);
  if (!IsMainWindow(window) || !newParent) return 0;
  const ::Window previous = window_->Reparent(*newParent);
  // The host's window went away before the preview could move in; a preview without a host
  // would stay on the screen with nothing to end it.
  if (previous == None) EndProcess();
  return static_cast<Handle>(previous);
}

bool X11Platform::GetClientRect(Handle window, Rect& rect) {
  Display* display = RequireDisplay();
  const std::optional<::Window> xWindow = XWindowOf(window);
  if (!xWindow) return false;
  XWindowAttributes attributes{};
  ErrorTrap trap(display);
  const Status status = XGetWindowAttributes(display, *xWindow, &attributes);
  if (trap.Failed() || status == 0) return false;
  rect = {0, 0, attributes.width, attributes.height};
  return true;
}

void X11Platform::CloseMainWindow() {
  if (window_) window_->Destroy();
}

void X11Platform::SetTimerInterval(TimerId timer, std::int32_t milliseconds) {
  timers_.AdvanceTo(MonotonicMilliseconds());
  timers_.SetInterval(timer, milliseconds);
}

void X11Platform::SetTimerEnabled(TimerId timer, bool enabled) {
  timers_.AdvanceTo(MonotonicMilliseconds());
  timers_.SetEnabled(timer, enabled);
}

// The store is opened only once the dialog can be shown.
void X11Platform::ShowSettingsDialog() {
  if (!gtk::CanShowSettingsWindow()) throw NoDisplayError(NoDisplayMessage());
  gtk::ShowSettingsWindow(Registry(),
                          {program_.versionMajor, program_.versionMinor, program_.versionRevision},
                          signals_.Descriptor());
}

Handle X11Platform::GetWindowDC(Handle window) {
  if (!IsMainWindow(window)) return 0;
  if (windowDc_ == 0) windowDc_ = gdi_.CreateWindowDC(*surface_);
  return windowDc_;
}

Handle X11Platform::LoadBitmapResource(std::int16_t id) {
  const std::string name = "bitmap resource " + std::to_string(id);
  const std::span<const std::uint8_t> file = resources::EmbeddedBitmap(id);
  if (file.empty()) throw RuntimeError(name + " is missing");
  softgdi::DecodedBmp decoded = softgdi::DecodeBmp(file);
  if (const std::string* problem = std::get_if<std::string>(&decoded)) {
    throw RuntimeError(name + ": " + *problem);
  }
  return gdi_.AddBitmap(std::move(std::get<softgdi::Surface>(decoded)));
}

}  // namespace quellar::x11
