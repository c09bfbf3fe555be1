// Ending a full-screen run gives the desktop back and stores the hotkey settings, whichever
// way it ends.

#include "run_fixture.h"

namespace quellar {
namespace {

using testing_support::Kind;
using testing_support::ScriptedEvent;
using ShutdownTest = testing_support::RunFixture;

// Keypad + at 100 ms (ticks then come every 31 ms: 131, 162, ... 317), Enter and keypad * change
// what each way out must store, and the next run starts from it. Ten movements from 250 ms on
// end the run at the eighth only when that is asked for.
TEST_F(ShutdownTest, EveryWayOutStoresTheSettings) {
  struct Exit {
    const char* name;
    std::int64_t endsAt;
    bool boxDrawn;
    const char* skipFailScreen;
    const char* closeOnMove;
    std::vector<ScriptedEvent> events;
  };
  const ScriptedEvent space{.at = 300, .kind = Kind::Key, .code = 32};
  const ScriptedEvent escape{.at = 300, .kind = Kind::Key, .code = 27};
  const std::vector<Exit> exits = {
      {"double click", 300, false, "0", "0", {{.at = 300, .kind = Kind::DoubleClick}}},
      {"second press", 3000, true, "0", "0", {space, {.at = 3000, .kind = Kind::Button}}},
      {"second press at once", 310, false, "0", "0", {space, {.at = 310, .kind = Kind::Button}}},
      {"skipped failure screen", 317, false, "1", "0", {escape}},
      {"eighth movement", 257, false, "0", "1", {}},
  };
  for (const Exit& exit : exits) {
    SCOPED_TRACE(exit.name);
    Store("speed", "41", "B");
    Store("chain", "28", "B");
    Store("randm", "True", "S");
    Store("SysFailScreen", exit.skipFailScreen, "B");
    Store("MouseMove", exit.closeOnMove, "B");
    const auto run = StartFullScreen(1024, 768);
    Press(*run, 100, {107});
    Press(*run, 200, {13, 106});
    for (const ScriptedEvent& event : exit.events) run->Schedule(event);
    for (std::int64_t at = 250; at < 260; ++at) run->Schedule({.at = at, .kind = Kind::Move});
    run->RunUntil(10000);
    EXPECT_EQ(run->EndedAt(), exit.endsAt);
    EXPECT_EQ(testing_support::BlitsFrom(*run, 0, run->Engine().state.hdcFailBox).size(),
              exit.boxDrawn ? 1u : 0u);
    EXPECT_EQ(Stored("speed", "B") + Stored("chain", "B") + Stored("randm", "S"), "3129False");
    EXPECT_EQ(std::make_tuple(run->Platform().CursorCount(), run->Platform().ScreenSaverFlag()),
              std::make_tuple(0, 0));
    EXPECT_FALSE(run->Platform().Window().exists);
    const auto next = StartFullScreen();
    const engine::EngineState& s = next->Engine().state;
    EXPECT_EQ(std::tie(s.tickInterval, s.chainLength, s.randomDeleting),
              std::make_tuple(31, 29, 0));
  }
}

}  // namespace
}  // namespace quellar
