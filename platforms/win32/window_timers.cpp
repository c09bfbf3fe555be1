#include "platforms/win32/window_timers.h"

namespace quellar::win32 {

// Event ids start at 1: a 0 reads as "no timer" wherever timers are traced.
UINT_PTR WindowTimers::EventIdOf(TimerId timer) {
  return static_cast<UINT_PTR>(timer) + 1;
}

void WindowTimers::SetInterval(HWND window, TimerId timer, std::int32_t milliseconds) {
  SlotOf(timer).interval = milliseconds;
  Restart(window, timer);
}

void WindowTimers::SetEnabled(HWND window, TimerId timer, bool enabled) {
  SlotOf(timer).enabled = enabled;
  Restart(window, timer);
}

bool WindowTimers::Running(TimerId timer) const {
  const Slot& slot = SlotOf(timer);
  return slot.enabled && slot.interval > 0;
}

// SetTimer with an interval of 0 would fire at the system's minimum, so an idle timer must be
// killed, not set.
void WindowTimers::Restart(HWND window, TimerId timer) const {
  if (window == nullptr) return;
  KillTimer(window, EventIdOf(timer));
  if (Running(timer)) {
    SetTimer(window, EventIdOf(timer), static_cast<UINT>(SlotOf(timer).interval), nullptr);
  }
}

std::optional<TimerId> WindowTimers::FromEventId(WPARAM eventId) {
  for (const TimerId timer : {TimerId::Timer1, TimerId::tmrOSD}) {
    if (EventIdOf(timer) == eventId) return timer;
  }
  return std::nullopt;
}

}  // namespace quellar::win32
