// Which command lines start what, and when a second full-screen run is refused.

#include "run_fixture.h"

namespace quellar {
namespace {

enum class Outcome { FullScreen, Preview, Dialog, Notice, Nothing };

TEST(CommandLineTest, ChoosesTheMode) {
  struct Case {
    const char* commandLine;
    Outcome outcome;
    bool prevInstance = false;
    std::int32_t saverRunning = 0;
  };
  using enum Outcome;
  for (const Case& c :
       {Case{"", FullScreen}, Case{"/s", FullScreen}, Case{"/S", FullScreen},
        Case{"  /s  ", FullScreen}, Case{"/save", FullScreen}, Case{"/p 2690548", Preview},
        Case{"/p2690548", Preview}, Case{"/P 2690548 ", Preview}, Case{"/c", Dialog},
        Case{"/c:1312", Dialog}, Case{"/a", Notice}, Case{"-s", Nothing}, Case{"s", Nothing},
        Case{"/x", Nothing},
        // No host window to draw into: nothing could ever end such a run.
        Case{"/p", Nothing}, Case{"/p x", Nothing}, Case{"/p 99999999999", Nothing},
        Case{"/p 4711", Nothing},
        // Another instance while a saver runs: only "/s" is refused.
        Case{"/s", Nothing, true, 1}, Case{"/S ", Nothing, true, 1}, Case{"", FullScreen, true, 1},
        Case{"/s", FullScreen, false, 1}, Case{"/s", FullScreen, true, 0}}) {
    SCOPED_TRACE(testing::Message() << '"' << c.commandLine << "\" " << c.prevInstance);
    memory::MemoryConfig config{.commandLine = c.commandLine,
                                .prevInstance = c.prevInstance,
                                .screenSaverRunning = c.saverRunning};
    config.hostWindows[2690548] = Rect{0, 0, 152, 112};
    registry::SqliteStore store(":memory:");
    memory::MemoryRun run(store, config);
    run.Start();
    const memory::MemoryPlatform& platform = run.Platform();
    const bool runs = c.outcome == FullScreen || c.outcome == Preview;
    EXPECT_EQ(run.Ended(), !runs);
    EXPECT_EQ(platform.Window().visible, runs);
    EXPECT_EQ(modRegistry::GetSetting(store, engine::kAppTitle, "Exe_Name", "", "S").empty(), !runs)
        << "only a run touches the registry";
    EXPECT_EQ(platform.SettingsDialogShown(), c.outcome == Dialog);
    EXPECT_EQ(platform.MessageBoxes(),
              c.outcome == Notice
                  ? std::vector<std::string>{"Sorry, this function is not available."}
                  : std::vector<std::string>{});
    if (runs) {
      EXPECT_EQ(run.Engine().state.runMode,
                c.outcome == FullScreen ? engine::kRunFullScreen : engine::kRunPreview);
      EXPECT_EQ(run.Engine().state.previewParent, c.outcome == Preview ? 2690548 : 0);
    }
  }
}

}  // namespace
}  // namespace quellar
