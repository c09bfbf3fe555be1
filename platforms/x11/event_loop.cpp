#include "platforms/x11/event_loop.h"

#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <utility>

#include "engine/runtime_error.h"
#include "platforms/forms/process_end.h"
#include "platforms/input/key_mapping.h"
#include "platforms/x11/x_errors.h"

namespace quellar::x11 {
namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

}  // namespace

std::int64_t MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

EventLoop::EventLoop(Display* display, FormTimers& timers, RunSignals& signals, RainWindow& window,
                     WindowSurface& surface, FrmMain& form, WindowOwner owner)
    : display_(display),
      timers_(timers),
      signals_(signals),
      window_(window),
      surface_(surface),
      form_(form),
      owner_(owner) {}

void EventLoop::Run() {
  for (;;) {
    TakeSignals();
    DispatchPendingEvents();
    if (freshStart_) return;
    FireDueTimers();
    LookAtMonitors();
    WaitForWork();
  }
}

// A guest stores nothing and gives nothing back: it ends without the run's orderly shutdown.
// Only a guest watches for a fresh start.
void EventLoop::TakeSignals() {
  switch (signals_.Take()) {
    case SignalRequest::kNothing:
      return;
    case SignalRequest::kFreshStart:
      freshStart_ = true;
      return;
    case SignalRequest::kEnd:
      if (Guest()) throw ProcessEnd{0};
      form_.EndRun();
  }
}

// Not every server reports a monitor declared or dropped as an event, so the run looks twice a
// second; a look that finds nothing changed costs one round trip.
void EventLoop::LookAtMonitors() {
  const std::int64_t now = MonotonicNanoseconds();
  if (now < nextMonitorLook_) return;
  nextMonitorLook_ = now + kMonitorLookInterval;
  form_.DisplayChanged();
}

void EventLoop::DispatchPendingEvents() {
  while (!freshStart_ && XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    Dispatch(event);
  }
  // Only now: a preview whose host has gone sees the window's destruction before the errors
  // of the requests that raced with it.
  RaiseXError();
}

void EventLoop::RaiseXError() {
  const std::optional<std::string> error = TakeXError(display_);
  if (!error) return;
  // The host destroyed its window while requests for it were on their way: that is the end of
  // the guest's run, not a fault.
  if (Guest() && !AttributesOf(display_, window_.Id())) throw ProcessEnd{0};
  throw RuntimeError(*error);
}

void EventLoop::Dispatch(XEvent& event) {
  switch (event.type) {
    case KeyPress:
      OnKeyPress(event.xkey);
      break;
    case ButtonPress:
      OnButtonPress(event.xbutton);
      break;
    case MotionNotify:
      form_.Form_MouseMove(FormButtonsHeld(event.xmotion.state), ShiftStateOf(event.xmotion.state),
                           static_cast<float>(event.xmotion.x),
                           static_cast<float>(event.xmotion.y));
      break;
    case Expose:
      surface_.Repaint(
          {event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height});
      break;
    default:
      if (!surface_.HandleEvent(event)) OnStructureChange(event);
      break;
  }
}

void EventLoop::OnKeyPress(XKeyEvent& event) {
  KeySym keysym = NoSymbol;
  XLookupString(&event, nullptr, 0, &keysym, nullptr);
  if (const std::optional<std::int16_t> virtualKey =
          input::VirtualKeyOf(static_cast<std::uint32_t>(keysym))) {
    form_.Form_KeyDown(*virtualKey, ShiftStateOf(event.state));
  }
}

void EventLoop::OnButtonPress(const XButtonEvent& event) {
  const std::optional<std::int16_t> button = FormButtonOf(event.button);
  if (!button) return;
  if (clicks_.IsDoubleClick(event.button, static_cast<std::uint32_t>(event.time), event.x,
                            event.y)) {
    form_.Form_DblClick();
  } else {
    form_.Form_MouseDown(*button, ShiftStateOf(event.state), static_cast<float>(event.x),
                         static_cast<float>(event.y));
  }
}

void EventLoop::OnStructureChange(const XEvent& event) {
  if (event.type == ConfigureNotify && event.xconfigure.window == window_.Id()) {
    const XConfigureEvent& configure = event.xconfigure;
    if (Guest()) {
      if (configure.width != window_.Width() || configure.height != window_.Height()) {
        freshStart_ = true;
      }
    } else {
      surface_.Resize(configure.width, configure.height);
    }
    window_.Resized(configure.width, configure.height);
  } else if (event.type == DestroyNotify && event.xdestroywindow.window == window_.Id()) {
    // The host destroyed its window (in a preview, ours with it): that ends the run.
    window_.ForgetDestroyed();
    throw ProcessEnd{0};
  }
}

// Each timer fires at most once a round, so a handler slower than its timer's interval cannot
// keep the X events waiting; the timer is simply due again one interval later.
void EventLoop::FireDueTimers() {
  timers_.AdvanceTo(MonotonicNanoseconds());
  std::array<bool, 2> fired{};
  while (const std::optional<TimerId> timer = timers_.TakeDue()) {
    bool& firedBefore = fired[static_cast<std::size_t>(*timer)];
    if (std::exchange(firedBefore, true)) continue;
    if (*timer == TimerId::Timer1) {
      form_.Timer1_Timer();
    } else {
      form_.tmrOSD_Timer();
    }
  }
}

void EventLoop::WaitForWork() {
  XFlush(display_);
  // Events that Xlib has already read would not wake poll().
  if (XQLength(display_) > 0) return;
  const std::int64_t due = std::min(timers_.NextDue().value_or(INT64_MAX), nextMonitorLook_);
  // To the nanosecond: a wait rounded to whole milliseconds would cost a 1 ms timer ticks.
  const std::int64_t wait = std::max<std::int64_t>(due - MonotonicNanoseconds(), 0);
  const timespec timeout{static_cast<time_t>(wait / kNanosecondsPerSecond),
                         static_cast<long>(wait % kNanosecondsPerSecond)};
  std::array<pollfd, 2> sources{pollfd{XConnectionNumber(display_), POLLIN, 0},
                                pollfd{signals_.Descriptor(), POLLIN, 0}};
  ppoll(sources.data(), sources.size(), &timeout, nullptr);
}

}  // namespace quellar::x11
