#pragma once
// A whole run of the program on the memory platform: Main, then timer expiries and scripted
// input in virtual time, until the process ends or the time runs out. Tests and the renderer
// drive the real engine through it.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/memory/memory_platform.h"

namespace quellar::memory {

struct ScriptedEvent {
  enum class Kind { Key, Button, DoubleClick, Move };
  std::int64_t at = 0;  // virtual milliseconds
  Kind kind = Kind::Key;
  std::int16_t code = 0;   // a key's virtual-key code
  std::int64_t every = 0;  // comes again this many milliseconds later, and so on; 0: once
};

class MemoryRun {
 public:
  MemoryRun(registry::RegistryApi& registry, MemoryConfig config);

  // Runs Main at virtual time 0. A Main that returns without a run ends the process.
  void Start();
  void Schedule(const ScriptedEvent& event);
  // Delivers timer expiries and scripted events in time order up to `until` (events before
  // timers due at the same moment); stops at once when the process ends.
  void RunUntil(std::int64_t until);
  // Runs until Timer1 has fired `count` more times, the process ends, or it cannot fire any
  // more: it is stopped and nothing is due but repeated input that came round once without
  // starting it.
  void RunTicks(std::int64_t count);

  // Called after every expiry of Timer1 with the number of expiries so far.
  void OnTimer1(std::function<void(std::int64_t)> observer) { onTimer1_ = std::move(observer); }

  // The process has ended: through the platform, or by a run-time error that no handler caught.
  bool Ended() const { return endedAt_.has_value(); }
  std::optional<std::int64_t> EndedAt() const { return endedAt_; }
  // The run-time error that ended the run; empty when none did.
  const std::string& Error() const { return error_; }
  std::int64_t Now() const { return platform_.Timers().Now(); }
  std::int64_t Timer1Ticks() const { return timer1Ticks_; }
  MemoryPlatform& Platform() { return platform_; }
  const MemoryPlatform& Platform() const { return platform_; }
  engine::Engine& Engine() { return run_.Primary(); }
  const engine::Engine& Engine() const { return run_.Primary(); }
  const monitors::MonitorRun& Monitors() const { return run_; }
  // The desktop's monitors change now.
  void ChangeMonitors(std::vector<monitors::MonitorInfo> monitors);

 private:
  // Delivers the next happening at or before `until`; false when there is none.
  bool Step(std::int64_t until);
  bool IdleForGood();
  void Deliver(const ScriptedEvent& event);
  template <typename Handler>
  void Guarded(Handler handler);

  MemoryPlatform platform_;
  monitors::MonitorRun run_;
  FrmMain form_;
  FrmMainEvents events_{form_,
                        [this](const std::function<void()>& tick) { platform_.DuringTick(tick); }};
  // By time; events of the same moment in the order scheduled.
  std::multimap<std::int64_t, ScriptedEvent> script_;
  std::optional<std::int64_t> endedAt_;
  std::string error_;
  std::optional<std::int64_t> idleSince_;
  std::int64_t timer1Ticks_ = 0;
  std::function<void(std::int64_t)> onTimer1_;
};

}  // namespace quellar::memory
