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
  struct Case {
    GuestOverrides overrides;
    const char* storedRandomDeleting;
    std::int16_t interval;
    std::int16_t chain;
    std::int16_t randomDeleting;
  };
  // A 200x150 window has 8 rows: chains of at most 10.
  const Case cases[] = {{{}, "True", 61, 10, kTrue},
                        {{}, "False", 61, 10, kFalse},
                        {{.speed = 1001}, "True", 1001, 10, kTrue},
                        {{.chain = 255}, "True", 61, 10, kTrue},
                        {{.chain = 3}, "True", 61, 3, kTrue},
                        {{.randomDeleting = false}, "True", 61, 10, kFalse},
                        {{.randomDeleting = true}, "False", 61, 10, kTrue}};
  for (const Case& c : cases) {
    registry::SqliteStore store(":memory:");
    modRegistry::SaveSetting(store, engine::kAppTitle, "speed", "61", "B");
    modRegistry::SaveSetting(store, engine::kAppTitle, "chain", "20", "B");
    modRegistry::SaveSetting(store, engine::kAppTitle, "randm", c.storedRandomDeleting, "S");
    memory::MemoryRun run(store, {.screenWidth = 200, .screenHeight = 150, .commandLine = ""});
    run.Start();
    run.Engine().TakeOverrides(c.overrides);
    const engine::EngineState& state = run.Engine().state;
    EXPECT_EQ(state.tickInterval, c.interval);
    EXPECT_EQ(run.Platform().TimerInterval(TimerId::Timer1), c.interval);
    EXPECT_EQ(state.chainLength, c.chain);
    EXPECT_EQ(state.randomDeleting, c.randomDeleting);
  }
}

}  // namespace
}  // namespace quellar::x11
