#include "platforms/memory/memory_run.h"

#include "engine/runtime_error.h"
#include "platforms/forms/process_end.h"

namespace quellar::memory {

MemoryRun::MemoryRun(registry::RegistryApi& registry, MemoryConfig config)
    : platform_(registry, std::move(config)),
      run_(platform_, platform_, platform_.Config().seed),
      form_(run_, platform_) {}

template <typename Handler>
void MemoryRun::Guarded(Handler handler) {
  try {
    handler();
  } catch (const ProcessEnd&) {
    endedAt_ = Now();
  } catch (const RuntimeError& error) {
    endedAt_ = Now();
    error_ = error.what();
  }
}

void MemoryRun::Start() {
  Guarded([this] { run_.Main(); });
  if (!Ended() && Engine().state.runMode == engine::kRunNone) endedAt_ = Now();
}

void MemoryRun::ChangeMonitors(std::vector<monitors::MonitorInfo> monitors) {
  platform_.SetMonitors(std::move(monitors));
  Guarded([this] { events_.DisplayChanged(); });
}

void MemoryRun::Schedule(const ScriptedEvent& event) {
  script_.emplace(event.at, event);
}

bool MemoryRun::Step(std::int64_t until) {
  const std::optional<std::int64_t> timerDue = platform_.Timers().NextDue();
  const bool eventFirst = !script_.empty() && script_.begin()->first <= until &&
                          (!timerDue || script_.begin()->first <= *timerDue);
  if (eventFirst) {
    const ScriptedEvent event = script_.begin()->second;
    script_.erase(script_.begin());
    if (event.every > 0) {
      ScriptedEvent again = event;
      again.at += event.every;
      Schedule(again);
    }
    platform_.Timers().AdvanceTo(event.at);
    Guarded([&] { Deliver(event); });
    return true;
  }
  if (!timerDue || *timerDue > until) return false;
  platform_.Timers().AdvanceTo(*timerDue);
  if (const std::optional<TimerId> due = platform_.Timers().TakeDue()) {
    if (*due == TimerId::Timer1) ++timer1Ticks_;
    Guarded([&] { events_.Timer(*due); });
    if (*due == TimerId::Timer1 && onTimer1_) onTimer1_(timer1Ticks_);
  }
  return true;
}

void MemoryRun::RunUntil(std::int64_t until) {
  while (!Ended() && Step(until)) {
  }
  if (!Ended()) platform_.Timers().AdvanceTo(until);
}

void MemoryRun::RunTicks(std::int64_t count) {
  const std::int64_t target = timer1Ticks_ + count;
  constexpr std::int64_t kForever = INT64_MAX;
  while (!Ended() && timer1Ticks_ < target && !IdleForGood() && Step(kForever)) {
  }
}

// Repeated input alone would keep a run whose animation timer is stopped going for ever; one
// round of it is enough to see whether it starts the timer again.
bool MemoryRun::IdleForGood() {
  const FormTimers& timers = platform_.Timers();
  if (timers.Enabled(TimerId::Timer1) && timers.Interval(TimerId::Timer1) > 0) {
    idleSince_.reset();
    return false;
  }
  if (!idleSince_) idleSince_ = Now();
  if (script_.empty()) return false;
  const auto& [at, next] = *script_.begin();
  return next.every > 0 && at > *idleSince_ + next.every;
}

void MemoryRun::Deliver(const ScriptedEvent& event) {
  using Kind = ScriptedEvent::Kind;
  switch (event.kind) {
    case Kind::Key:
      events_.KeyDown(event.code);
      break;
    case Kind::Button:
      events_.MouseDown();
      break;
    case Kind::DoubleClick:
      events_.DblClick();
      break;
    case Kind::Move:
      events_.MouseMove();
      break;
  }
}

}  // namespace quellar::memory
