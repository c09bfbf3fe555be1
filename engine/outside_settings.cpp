#include "engine/engine.h"

namespace quellar::engine {

// The leader's timer ticks the follower, so the follower's own timer is never set.
void Engine::FollowSettingsOf(const Engine& leader) {
  state.tickInterval = leader.state.tickInterval;
  state.randomDeleting = leader.state.randomDeleting;
  state.chainLength = CutChain(leader.state.chainSetting);
}

void Engine::TakeOverrides(const SettingOverrides& overrides) {
  if (overrides.speed) {
    state.tickInterval = *overrides.speed;
    SetTimer1Interval(state.tickInterval);
  }
  if (overrides.chain) state.chainLength = CutChain(*overrides.chain);
  if (overrides.randomDeleting) state.randomDeleting = *overrides.randomDeleting ? kTrue : kFalse;
}

}  // namespace quellar::engine
