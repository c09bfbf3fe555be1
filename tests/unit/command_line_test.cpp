// Which command lines start what, and the already-running rule.

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace quellar {
namespace {

using engine::kRunFullScreen;
using engine::kRunNone;
using engine::kRunPreview;

enum class Outcome { FullScreen, Preview, Dialog, Notice, Nothing };

struct CommandCase {
  const char* commandLine;
  Outcome outcome;
};

void PrintTo(const CommandCase& c, std::ostream* out) { *out << '"' << c.commandLine << '"'; }

class CommandLineTest : public testing_support::RunFixture,
                        public testing::WithParamInterface<CommandCase> {};

TEST_P(CommandLineTest, ChoosesTheMode) {
  memory::MemoryConfig config;
  config.commandLine = GetParam().commandLine;
  config.hostWindows[2690548] = Rect{0, 0, 152, 112};
  const auto run = StartRun(config);
  const engine::EngineState& state = run->Engine().state;
  const memory::MemoryPlatform& platform = run->Platform();

  switch (GetParam().outcome) {
    case Outcome::FullScreen:
      EXPECT_EQ(state.runMode, kRunFullScreen);
      EXPECT_FALSE(run->Ended());
      EXPECT_TRUE(platform.Window().visible);
      break;
    case Outcome::Preview:
      EXPECT_EQ(state.runMode, kRunPreview);
      EXPECT_EQ(state.previewParent, 2690548);
      EXPECT_FALSE(run->Ended());
      break;
    case Outcome::Dialog:
      EXPECT_TRUE(platform.SettingsDialogShown());
      EXPECT_EQ(state.runMode, kRunNone);
      EXPECT_TRUE(run->Ended());
      break;
    case Outcome::Notice:
      ASSERT_EQ(platform.MessageBoxes().size(), 1u);
      EXPECT_EQ(platform.MessageBoxes()[0], "Sorry, this function is not available.");
      EXPECT_TRUE(run->Ended());
      break;
    case Outcome::Nothing:
      EXPECT_TRUE(run->Ended());
      EXPECT_FALSE(platform.Window().exists);
      EXPECT_TRUE(platform.MessageBoxes().empty());
      EXPECT_FALSE(platform.SettingsDialogShown());
      break;
  }
  if (GetParam().outcome != Outcome::FullScreen && GetParam().outcome != Outcome::Preview) {
    EXPECT_EQ(Stored("Exe_Name", "S"), "<none>") << "no registry access";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineTest,
    testing::Values(CommandCase{"", Outcome::FullScreen}, CommandCase{"/s", Outcome::FullScreen},
                    CommandCase{"/S", Outcome::FullScreen},
                    CommandCase{"  /s  ", Outcome::FullScreen},
                    CommandCase{"/save", Outcome::FullScreen},
                    CommandCase{"/p 2690548", Outcome::Preview},
                    CommandCase{"/p2690548", Outcome::Preview},
                    CommandCase{"/P 2690548 ", Outcome::Preview},
                    CommandCase{"/c", Outcome::Dialog}, CommandCase{"/c:1312", Outcome::Dialog},
                    CommandCase{"/C", Outcome::Dialog}, CommandCase{"/a", Outcome::Notice},
                    CommandCase{"-s", Outcome::Nothing}, CommandCase{"s", Outcome::Nothing},
                    CommandCase{"/x", Outcome::Nothing}, CommandCase{"/", Outcome::Nothing},
                    // No host window to draw into: nothing could ever end such a run.
                    CommandCase{"/p", Outcome::Nothing}, CommandCase{"/p x", Outcome::Nothing},
                    CommandCase{"/p 99999999999", Outcome::Nothing},
                    CommandCase{"/p 4711", Outcome::Nothing}));

struct AlreadyRunningCase {
  const char* commandLine;
  bool prevInstance;
  std::int32_t saverRunning;
  bool refused;
};

class AlreadyRunningTest : public testing_support::RunFixture,
                           public testing::WithParamInterface<AlreadyRunningCase> {};

TEST_P(AlreadyRunningTest, RefusesOnlyASecondSaveSwitchWhileASaverRuns) {
  memory::MemoryConfig config;
  config.commandLine = GetParam().commandLine;
  config.prevInstance = GetParam().prevInstance;
  config.screenSaverRunning = GetParam().saverRunning;
  const auto run = StartRun(config);
  EXPECT_EQ(run->Ended(), GetParam().refused);
  EXPECT_EQ(run->Platform().Window().exists, !GetParam().refused);
  if (GetParam().refused) {
    EXPECT_EQ(Stored("Install_Dir", "S"), "<none>");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, AlreadyRunningTest,
                         testing::Values(AlreadyRunningCase{"/s", true, 1, true},
                                         AlreadyRunningCase{"/S ", true, 1, true},
                                         AlreadyRunningCase{"", true, 1, false},
                                         AlreadyRunningCase{"/s", false, 1, false},
                                         AlreadyRunningCase{"/s", true, 0, false}));

using MainTest = testing_support::RunFixture;

TEST_F(MainTest, AsksWhetherASaverRunsWhateverTheSwitch) {
  memory::MemoryConfig config;
  config.commandLine = "/x";
  const auto run = StartRun(config);
  ASSERT_FALSE(run->Platform().Calls().empty());
  EXPECT_EQ(run->Platform().Calls().front(), "SystemParametersInfo(114, 0, 0, 0)");
}

}  // namespace
}  // namespace quellar
