#include "platforms/x11/x11_platform.h"

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/runtime_error.h"
#include "platforms/desktop/event_loop.h"
#include "platforms/desktop/program_info.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/forms/process_end.h"
#include "platforms/softgdi/bmp.h"
#include "platforms/x11/host_window.h"
#include "platforms/x11/main_window.h"
#include "platforms/x11/monitor_query.h"
#include "platforms/x11/x_connection.h"
#include "platforms/x11/x_errors.h"
#include "registry/sqlite/default_store.h"
#include "resources/embedded.h"

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
    : X11Platform(desktop::JoinArguments(argc, argv), false) {
  if (display_) saverFlag_.emplace(display_.get());
}

X11Platform::X11Platform(std::optional<std::uint32_t> hostWindow) : X11Platform("", true) {
  Display* display = RequireDisplay();
  ShowIn(std::make_unique<HostWindow>(display, hostWindow.value_or(XDefaultRootWindow(display))));
}

X11Platform::X11Platform(std::string commandLine, bool guest)
    : DesktopPlatform(
          std::move(commandLine),
          guest ? desktop::FreshStartSignal::kWatched : desktop::FreshStartSignal::kLeftAlone,
          guest ? desktop::InstanceCheck::kNotTaken : desktop::InstanceCheck::kTaken),
      guest_(guest),
      display_(OpenDisplay()) {}

void X11Platform::StartAfresh() {
  gdi_ = softgdi::SoftGdi();
  windowDc_ = 0;
  cursorCount_ = 0;
  ResetTimers();
  surface_->Resize(window_->Width(), window_->Height());
  // The new engine sends only what its frames change, and in a window of the same size the last
  // engine's rain would stay wherever they change nothing.
  surface_->Repaint({0, 0, window_->Width(), window_->Height()});
}

Display* X11Platform::RequireDisplay() {
  if (!display_) throw desktop::NoDisplayError(NoDisplayMessage());
  return display_.get();
}

void X11Platform::Run(FrmMain& form) {
  FrmMainEvents events(form,
                       [this](const std::function<void()>& tick) { surface_->DuringTick(tick); });
  XConnection connection(RequireDisplay(), Signals(), Window(), *surface_);
  desktop::EventLoop(connection, Timers(), events,
                     guest_ ? desktop::WindowOwner::kHost : desktop::WindowOwner::kProgram)
      .Run();
}

// A guest's screen is its host's window, whatever monitors that spans: it knows of none, and
// its engine asks the screen's size.
std::vector<monitors::MonitorInfo> X11Platform::Monitors() {
  if (guest_) return {};
  return QueryMonitors(RequireDisplay());
}

// A guest's screen is its host's window.
ScreenTwips X11Platform::ScreenSize() {
  Display* display = RequireDisplay();
  const int screen = XDefaultScreen(display);
  const int width = guest_ ? window_->Width() : XDisplayWidth(display, screen);
  const int height = guest_ ? window_->Height() : XDisplayHeight(display, screen);
  return {static_cast<float>(width) * kTwipsPerPixel, static_cast<float>(height) * kTwipsPerPixel};
}

std::int32_t X11Platform::SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                           std::int32_t& pvParam, std::uint32_t /*winIni*/) {
  if (action == kSpiSetScreenSaverRunning) {
    RequireDisplay();
    if (saverFlag_) saverFlag_->Set(uiParam != 0);
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

RainWindow& X11Platform::Window() {
  if (!window_) {
    ShowIn(std::make_unique<x11::MainWindow>(RequireDisplay()));
    window_->SetPointerHidden(cursorCount_ < 0);
  }
  return *window_;
}

void X11Platform::ShowIn(std::unique_ptr<RainWindow> window) {
  window_ = std::move(window);
  surface_ = std::make_unique<WindowSurface>(display_.get(), window_->Id(), gdi_, window_->Width(),
                                             window_->Height());
  // The reference for figures of the presentation (scripts/cpu), not a setting.
  const char* whole = std::getenv("QUELLAR_WHOLE_FRAMES");
  if (whole != nullptr && std::string_view(whole) == "1") surface_->SendWholeFrames();
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
  const std::optional<XWindowAttributes> attributes = AttributesOf(display, *xWindow);
  if (!attributes) return false;
  rect = {0, 0, attributes->width, attributes->height};
  return true;
}

void X11Platform::CloseMainWindow() {
  if (window_) window_->Destroy();
}

Handle X11Platform::GetWindowDC(Handle window) {
  if (!IsMainWindow(window)) return 0;
  if (windowDc_ == 0) windowDc_ = gdi_.CreateWindowDC(*surface_);
  return windowDc_;
}

// A bitmap made for the window is an engine's back buffer (one per monitor's engine): the window
// shows its pixels where they are.
Handle X11Platform::CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) {
  if (dc == 0 || dc != windowDc_ || width <= 0 || height <= 0) {
    return gdi_.CreateCompatibleBitmap(dc, width, height);
  }
  return gdi_.AddBitmap(softgdi::Surface(width, height, surface_->NewBitmap(width, height)));
}

}  // namespace quellar::x11
