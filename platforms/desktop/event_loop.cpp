#include "platforms/desktop/event_loop.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "engine/runtime_error.h"
#include "platforms/forms/process_end.h"
#include "platforms/input/key_mapping.h"

namespace quellar::desktop {

std::int64_t MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void EventLoop::Run() {
  for (;;) {
    TakeSignals();
    HandleArrivedEvents();
    if (freshStart_) return;
    FireDueTimers();
    LookAtMonitors();
    WaitForWork();
  }
}

// A guest stores nothing and gives nothing back: it ends without the run's orderly shutdown.
// Only a guest watches for a fresh start.
void EventLoop::TakeSignals() {
  switch (connection_.TakeSignals()) {
    case SignalRequest::kNothing:
      return;
    case SignalRequest::kFreshStart:
      freshStart_ = true;
      return;
    case SignalRequest::kEnd:
      if (Guest()) throw ProcessEnd{0};
      form_.EndRequested();
  }
}

// Not every server reports a monitor declared or dropped as an event, so the run looks twice a
// second; a look that finds nothing changed costs one round trip.
void EventLoop::LookAtMonitors() {
  const std::int64_t now = connection_.Now();
  if (now < nextMonitorLook_) return;
  nextMonitorLook_ = now + kMonitorLookInterval;
  form_.DisplayChanged();
}

// Only those that had arrived when the round began: events that keep coming (a pointer that
// keeps moving) wait for the timers in between instead of holding them off.
void EventLoop::HandleArrivedEvents() {
  for (int count = connection_.Arrived(); count > 0 && !freshStart_; --count) {
    std::visit([this](const auto& event) { On(event); }, connection_.Take());
  }
  // Only once none is left: a preview whose host has gone sees the window's destruction before
  // the errors of the requests that raced with it.
  if (freshStart_ || connection_.Arrived() == 0) RaiseXError();
}

void EventLoop::RaiseXError() {
  const std::optional<std::string> error = connection_.TakeError();
  if (!error) return;
  // The host destroyed its window while requests for it were on their way: that is the end of
  // the guest's run, not a fault.
  if (Guest() && !connection_.WindowExists()) throw ProcessEnd{0};
  throw RuntimeError(*error);
}

void EventLoop::EndIfIdleDaemonsGuest() const {
  if (owner_ == WindowOwner::kIdleDaemon) throw ProcessEnd{0};
}

void EventLoop::On(PointerMoved) {
  EndIfIdleDaemonsGuest();
  form_.MouseMove();
}

void EventLoop::On(const KeyPressed& key) {
  EndIfIdleDaemonsGuest();
  if (const std::optional<std::int16_t> virtualKey = input::VirtualKeyOf(key.keysym)) {
    form_.KeyDown(*virtualKey);
  }
}

void EventLoop::On(const ButtonPressed& press) {
  EndIfIdleDaemonsGuest();
  if (!IsFormButton(press.button)) return;
  if (clicks_.IsDoubleClick(press.button, press.time, press.x, press.y)) {
    form_.DblClick();
  } else {
    form_.MouseDown();
  }
}

// A guest's engine was made for the window's size; a new one draws at the new size.
void EventLoop::On(const WindowConfigured& configured) {
  if (!Guest()) {
    connection_.ResizeSurface(configured.width, configured.height);
  } else if (configured.newSize) {
    freshStart_ = true;
  }
}

// The host destroyed its window (in a preview, ours with it): that ends the run.
void EventLoop::On(WindowDestroyed) {
  throw ProcessEnd{0};
}

// The clock is read once a round, and a timer that fires is next due after that reading: each
// fires at most once a round, so a handler slower than its timer's interval cannot keep the
// events waiting.
void EventLoop::FireDueTimers() {
  timers_.AdvanceTo(connection_.Now());
  while (const std::optional<TimerId> timer = timers_.TakeDue()) form_.Timer(*timer);
}

void EventLoop::WaitForWork() {
  connection_.WaitUntil(std::min(timers_.NextDue().value_or(INT64_MAX), nextMonitorLook_));
}

}  // namespace quellar::desktop
