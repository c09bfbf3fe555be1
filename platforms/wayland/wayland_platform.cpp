#include "platforms/wayland/wayland_platform.h"

#include <cstdlib>
#include <utility>

#include "engine/runtime_error.h"
#include "platforms/desktop/event_loop.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/wayland/wayland_connection.h"

namespace quellar::wayland {
namespace {

constexpr std::int32_t kTrue = 1;

}  // namespace

WaylandPlatform::WaylandPlatform(std::string commandLine, std::unique_ptr<WaylandDisplay> display,
                                 Starter starter)
    : DesktopPlatform(std::move(commandLine), desktop::FreshStartSignal::kLeftAlone,
                      starter == Starter::kUser ? desktop::InstanceCheck::kTaken
                                                : desktop::InstanceCheck::kNotTaken),
      display_(std::move(display)),
      starter_(starter),
      flag_(WaylandDisplayName()),
      surface_(*display_) {}

WaylandPlatform::~WaylandPlatform() {
  display_->Uncover();
}

void WaylandPlatform::Run(FrmMain& form, std::function<void()> onShown) {
  FrmMainEvents events(form,
                       [this](const std::function<void()>& tick) { surface_.DuringTick(tick); });
  WaylandConnection connection(*display_, Signals(), std::move(onShown));
  const desktop::WindowOwner owner = starter_ == Starter::kUser ? desktop::WindowOwner::kProgram
                                                                : desktop::WindowOwner::kIdleDaemon;
  try {
    desktop::EventLoop(connection, Timers(), events, owner).Run();
  } catch (const RuntimeError&) {
    connectionLost_ = connection.Lost();
    throw;
  }
}

std::vector<monitors::MonitorInfo> WaylandPlatform::Monitors() {
  display_->CoverOutputs();
  std::vector<monitors::MonitorInfo> monitors;
  for (const WaylandDisplay::Covered& covered : display_->CoveredOutputs()) {
    monitors.push_back(covered.monitor);
  }
  return monitors;
}

// Asked only when no output could be placed.
ScreenTwips WaylandPlatform::ScreenSize() {
  throw RuntimeError("the Wayland compositor has no output to cover");
}

std::int32_t WaylandPlatform::SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                               std::int32_t& pvParam, std::uint32_t /*winIni*/) {
  if (action == kSpiSetScreenSaverRunning) {
    flag_.Set(uiParam != 0);
    return kTrue;
  }
  if (action == kSpiGetScreenSaverRunning) {
    pvParam = flag_.IsSet() ? 1 : 0;
    return kTrue;
  }
  return 0;
}

// Windows keeps a display count: the pointer shows while it is 0 or more.
std::int32_t WaylandPlatform::ShowCursor(bool show) {
  cursorCount_ += show ? 1 : -1;
  display_->SetPointerHidden(cursorCount_ < 0);
  return cursorCount_;
}

Handle WaylandPlatform::MainWindow() {
  windowMade_ = true;
  return kWindow;
}

// The surfaces cover the outputs however the window is stacked or activated; the window's place
// is where the outputs' layout begins.
std::int32_t WaylandPlatform::SetWindowPos(Handle window, Handle /*insertAfter*/, std::int32_t x,
                                           std::int32_t y, std::int32_t width, std::int32_t height,
                                           std::uint32_t flags) {
  if (window != kWindow) return 0;
  if ((flags & kSwpNoSize) == 0) window_ = {x, y, x + width, y + height};
  surface_.MoveTo(x, y);
  return kTrue;
}

// Only recorded: a surface has neither.
std::int32_t WaylandPlatform::GetWindowLongValue(Handle window, std::int32_t index) {
  return window == kWindow ? longs_.Get(index) : 0;
}

std::intptr_t WaylandPlatform::SetWindowLongValue(Handle window, std::int32_t index,
                                                  std::intptr_t value) {
  return window == kWindow ? longs_.Set(index, value) : 0;
}

bool WaylandPlatform::GetClientRect(Handle window, Rect& rect) {
  if (window != kWindow) return false;
  rect = {0, 0, window_.right - window_.left, window_.bottom - window_.top};
  return true;
}

void WaylandPlatform::CloseMainWindow() {
  display_->Uncover();
}

Handle WaylandPlatform::GetWindowDC(Handle window) {
  if (window != kWindow) return 0;
  if (windowDc_ == 0) windowDc_ = gdi_.CreateWindowDC(surface_);
  return windowDc_;
}

std::string WaylandPlatform::NoDisplayMessage() const {
  return "no display for the settings dialog";
}

}  // namespace quellar::wayland
