#include "platforms/web/page_run.h"

#include <utility>

#include "engine/runtime_error.h"
#include "platforms/forms/process_end.h"

namespace quellar::web {
namespace {

constexpr unsigned int kAnyButton = 1;  // every button acts alike

}  // namespace

PageRun::PageRun(registry::RegistryApi& store, RunSettings settings)
    : platform_(store, settings),
      run_(platform_, platform_, settings.seed),
      form_(run_, platform_),
      events_(form_,
              [this](const std::function<void()>& tick) { platform_.Canvas().DuringTick(tick); }) {}

template <typename Handler>
void PageRun::Guarded(Handler handler) {
  if (ended_) return;
  platform_.AdvanceClock();
  try {
    handler();
  } catch (const ProcessEnd&) {
    ended_ = true;
    error_ = platform_.LastMessage();
  } catch (const RuntimeError& error) {
    ended_ = true;
    error_ = error.what();
  }
  platform_.Canvas().Put();
}

void PageRun::Start() {
  Guarded([this] { run_.Main(); });
  if (run_.Primary().state.runMode == engine::kRunNone) ended_ = true;
}

void PageRun::KeyDown(std::int16_t virtualKey) {
  Guarded([&] { events_.KeyDown(virtualKey); });
}

void PageRun::MouseDown(double milliseconds, PointerPosition at) {
  const auto time = static_cast<std::uint32_t>(static_cast<std::uint64_t>(milliseconds));
  if (clicks_.IsDoubleClick(kAnyButton, time, at.x, at.y)) {
    Guarded([this] { events_.DblClick(); });
  } else {
    Guarded([this] { events_.MouseDown(); });
  }
}

void PageRun::MouseMove(PointerPosition at) {
  if (std::exchange(pointer_, at) == at) return;
  Guarded([this] { events_.MouseMove(); });
}

bool PageRun::FireDueTimer() {
  const std::optional<TimerId> due = platform_.Timers().TakeDue();
  if (!due) return false;
  if (*due == TimerId::Timer1) ++ticks_;
  events_.Timer(*due);
  return true;
}

void PageRun::RunDueTimers() {
  Guarded([this] {
    while (FireDueTimer()) {
    }
  });
}

void PageRun::RunTicks(std::int64_t count) {
  Guarded([&] {
    FormTimers& timers = platform_.Timers();
    while (ticks_ < count) {
      const std::optional<std::int64_t> due = timers.NextDue();
      if (!due) return;
      timers.AdvanceTo(*due);
      FireDueTimer();
    }
  });
}

std::optional<double> PageRun::MillisecondsToNextTimer() {
  if (ended_) return std::nullopt;
  return platform_.MillisecondsToNextTimer();
}

void PageRun::StoreSettings() {
  Guarded([this] { run_.Primary().StoreSettings(); });
}

}  // namespace quellar::web
