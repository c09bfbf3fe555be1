#include "platforms/timers/form_timers.h"

#include <algorithm>

namespace quellar {

void FormTimers::SetInterval(TimerId timer, std::int32_t milliseconds) {
  Timer& t = Of(timer);
  t.interval = milliseconds;
  Restart(t);
}

void FormTimers::SetEnabled(TimerId timer, bool enabled) {
  Timer& t = Of(timer);
  t.enabled = enabled;
  Restart(t);
}

std::optional<std::int64_t> FormTimers::NextDue() const {
  std::optional<std::int64_t> earliest;
  for (const Timer& t : timers_) {
    if (t.Running() && (!earliest || t.due < *earliest)) earliest = t.due;
  }
  return earliest;
}

void FormTimers::AdvanceTo(std::int64_t time) {
  now_ = std::max(now_, time);
}

std::optional<TimerId> FormTimers::TakeDue() {
  for (const TimerId id : {TimerId::Timer1, TimerId::tmrOSD}) {
    Timer& t = Of(id);
    if (t.Running() && t.due <= now_) {
      Reschedule(t);
      return id;
    }
  }
  return std::nullopt;
}

void FormTimers::Reschedule(Timer& timer) const {
  const std::int64_t next = timer.due + Length(timer);
  if (next > now_) {
    timer.due = next;
  } else {
    Restart(timer);
  }
}

}  // namespace quellar
