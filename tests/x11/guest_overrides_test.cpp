// A guest's options replace the stored settings once start-up has read them, and a chain from
// the command line is clamped to the window as a stored one is.

#include <gtest/gtest.h>

#include "platforms/memory/memory_run.h"
#include "platforms/x11/guest_run.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::x11 {
namespace {

using engine::kFalse;
using engine::kTrue;

TEST(GuestOverridesTest, OptionsReplaceTheStoredSettingsForTheRun) {
  using Settings = std::array<std::int16_t, 3>;  // tickInterval, chainLength, randomDeleting
  // A 200x150 window has 8 rows: chains of at most 10.
  const std::tuple<engine::SettingOverrides, const char*, Settings> cases[] = {
      {{}, "True", {61, 10, kTrue}},
      {{}, "False", {61, 10, kFalse}},
      {{.speed = 1001}, "True", {1001, 10, kTrue}},
      {{.chain = 255}, "True", {61, 10, kTrue}},
      {{.chain = 3}, "True", {61, 3, kTrue}},
      {{.randomDeleting = false}, "True", {61, 10, kFalse}},
      {{.randomDeleting = true}, "False", {61, 10, kTrue}}};
  for (const auto& [overrides, storedRandomDeleting, expected] : cases) {
    registry::SqliteStore store(":memory:");
    modRegistry::SaveSetting(store, engine::kAppTitle, "speed", "61", "B");
    modRegistry::SaveSetting(store, engine::kAppTitle, "chain", "20", "B");
    modRegistry::SaveSetting(store, engine::kAppTitle, "randm", storedRandomDeleting, "S");
    memory::MemoryRun run(store, {.screenWidth = 200, .screenHeight = 150, .commandLine = ""});
    run.Start();
    run.Engine().TakeOverrides(overrides);
    const engine::EngineState& state = run.Engine().state;
    EXPECT_EQ((Settings{state.tickInterval, state.chainLength, state.randomDeleting}), expected);
    EXPECT_EQ(run.Platform().TimerInterval(TimerId::Timer1), expected[0]);
  }
}

}  // namespace
}  // namespace quellar::x11
