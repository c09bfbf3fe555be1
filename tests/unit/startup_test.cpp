// Start-up: the surface and grid, the settings and their defaults, the installation record, and
// the platform calls of a full-screen and a preview start in order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_fixture.h"

namespace quellar {
namespace {

using testing::ElementsAre;

struct GridCase {
  std::int32_t screenWidth;
  std::int32_t screenHeight;
  std::int16_t colCount;
  std::int16_t rowCount;
};

class GridTest : public testing_support::RunFixture,
                 public testing::WithParamInterface<GridCase> {};

TEST_P(GridTest, CountsPartialCellsOfThreePixelsOrMore) {
  const GridCase& grid = GetParam();
  const auto run = StartFullScreen(grid.screenWidth, grid.screenHeight);
  const engine::EngineState& state = run->Engine().state;
  EXPECT_EQ(state.surfaceWidth, grid.screenWidth);
  EXPECT_EQ(state.surfaceHeight, grid.screenHeight);
  EXPECT_EQ(state.colCount, grid.colCount);
  EXPECT_EQ(state.rowCount, grid.rowCount);
  EXPECT_EQ(state.columnTable.Columns(), grid.colCount);
  const Rect& window = run->Platform().Window().rect;
  EXPECT_EQ(window.right - window.left, grid.screenWidth) << "the window covers the screen";
  EXPECT_EQ(window.bottom - window.top, grid.screenHeight);
}

INSTANTIATE_TEST_SUITE_P(Screens, GridTest,
                         testing::Values(GridCase{1024, 768, 64, 39}, GridCase{1280, 1024, 80, 52},
                                         GridCase{1366, 768, 86, 39}, GridCase{1920, 1080, 120, 54},
                                         GridCase{1680, 1050, 105, 53}, GridCase{1362, 768, 85, 39},
                                         GridCase{1363, 768, 86, 39}, GridCase{16, 120, 1, 6},
                                         GridCase{800, 602, 50, 30}, GridCase{800, 603, 50, 31}));

using StartupTest = testing_support::RunFixture;

TEST_F(StartupTest, DefaultsWhenNothingIsStored) {
  const auto run = StartFullScreen(1024, 768);
  const engine::EngineState& state = run->Engine().state;
  EXPECT_EQ(state.tickInterval, 41);
  EXPECT_EQ(state.chainLength, 28);
  EXPECT_EQ(state.randomDeleting, engine::kTrue);
  EXPECT_EQ(state.skipFailScreen, engine::kFalse);
  EXPECT_EQ(state.closeOnMouseMove, engine::kFalse);
  EXPECT_EQ(run->Platform().Timers().Interval(TimerId::Timer1), 41);
  EXPECT_TRUE(run->Platform().Timers().Enabled(TimerId::Timer1));
  EXPECT_EQ(state.failPhase, 0);
  EXPECT_EQ(state.failMessage,
            std::string(std::initializer_list<char>{40, 36, 0, 24, 8, 41, 42, 37, 39, 0, 45, 0, 43, 1, 1, 44, 0}));
}

struct StoredCase {
  const char* name;
  const char* text;
  const char* letter;
  std::int16_t engine::EngineState::*field;
  std::int16_t expected;
};

class StoredSettingTest : public testing_support::RunFixture,
                          public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSettingTest, IsConvertedIntoItsField) {
  Store(GetParam().name, GetParam().text, GetParam().letter);
  const auto run = StartFullScreen(1024, 768);  // 39 rows
  EXPECT_EQ(run->Engine().state.*GetParam().field, GetParam().expected);
}

using S = engine::EngineState;
INSTANTIATE_TEST_SUITE_P(
    Values, StoredSettingTest,
    testing::Values(StoredCase{"speed", "31", "B", &S::tickInterval, 31},
                    StoredCase{"speed", "0", "B", &S::tickInterval, 0},
                    StoredCase{"speed", "255", "B", &S::tickInterval, 255},
                    StoredCase{"chain", "50", "B", &S::chainLength, 41},
                    StoredCase{"chain", "41", "B", &S::chainLength, 41},
                    StoredCase{"chain", "1", "B", &S::chainLength, 1},
                    StoredCase{"chain", "0", "B", &S::chainLength, 0},
                    StoredCase{"randm", "False", "S", &S::randomDeleting, 0},
                    StoredCase{"randm", "fAlSe", "S", &S::randomDeleting, 0},
                    StoredCase{"randm", "0", "S", &S::randomDeleting, 0},
                    StoredCase{"randm", "7", "S", &S::randomDeleting, -1},
                    StoredCase{"randm", "maybe", "S", &S::randomDeleting, -1},
                    StoredCase{"randm", "", "S", &S::randomDeleting, -1},
                    StoredCase{"SysFailScreen", "1", "B", &S::skipFailScreen, -1},
                    StoredCase{"SysFailScreen", "2", "B", &S::skipFailScreen, -1},
                    StoredCase{"MouseMove", "1", "B", &S::closeOnMouseMove, -1},
                    StoredCase{"MouseMove", "0", "B", &S::closeOnMouseMove, 0}));

TEST_F(StartupTest, StoredSpeedOfZeroLeavesTheAnimationTimerIdle) {
  Store("speed", "0", "B");
  const auto run = StartFullScreen();
  run->RunUntil(5000);
  EXPECT_EQ(run->Timer1Ticks(), 0);
}

TEST_F(StartupTest, PreviewHasAFixedSurfaceAndClampsTheChain) {
  const auto run = StartPreview(77, 152, 112);
  const engine::EngineState& state = run->Engine().state;
  EXPECT_EQ(state.surfaceWidth, 320);
  EXPECT_EQ(state.surfaceHeight, 240);
  EXPECT_EQ(state.colCount, 20);
  EXPECT_EQ(state.rowCount, 12);
  EXPECT_EQ(state.chainLength, 14);
  EXPECT_EQ(state.previewRect.right, 152);
  EXPECT_EQ(state.previewRect.bottom, 112);
}

TEST_F(StartupTest, RecordsTheInstallation) {
  memory::MemoryConfig config;
  config.program = ProgramInfo{"C:\\Windows\\System32", "Quellar", "QuellarScreensaver", 2, 0, 0};
  StartRun(config);
  EXPECT_EQ(Stored("Install_Dir", "S"), "C:\\Windows\\System32");
  EXPECT_EQ(Stored("Exe_Name", "S"), "Quellar.exe");
  EXPECT_EQ(Stored("versionMajor", "D"), "2");
  EXPECT_EQ(Stored("versionMinor", "D"), "0");
  EXPECT_EQ(Stored("versionRevision", "D"), "0");
}

TEST_F(StartupTest, FullScreenStartCallsThePlatformInOrder) {
  const auto run = StartFullScreen(1024, 768);
  const std::vector<std::string>& calls = run->Platform().Calls();
  EXPECT_THAT(calls, ElementsAre("SystemParametersInfo(114, 0, 0, 0)",
                                 "CreateWindow(frmMain, hidden)",
                                 "SetTimerInterval(\"Timer1\", 41)",
                                 "GetWindowDC(65552)",
                                 "CreateCompatibleDC(1) = 2",
                                 "CreateCompatibleBitmap(1, 1024, 768) = 4",
                                 "SelectObject(2, 4)",
                                 "CreateCompatibleDC(1) = 5",
                                 "LoadBitmapResource(101) = 7",
                                 "SelectObject(5, 7)",
                                 "CreateCompatibleDC(1) = 8",
                                 "LoadBitmapResource(102) = 10",
                                 "SelectObject(8, 10)",
                                 "CreateCompatibleDC(1) = 11",
                                 "LoadBitmapResource(103) = 13",
                                 "SelectObject(11, 13)",
                                 "CreateCompatibleDC(1) = 14",
                                 "LoadBitmapResource(104) = 16",
                                 "SelectObject(14, 16)",
                                 "SetTimerEnabled(\"Timer1\", 1)",
                                 "SetWindowPos(65552, -1, 0, 0, 1024, 768, 64)",
                                 "SystemParametersInfo(97, -1, 0, 0)",
                                 "ShowCursor(0)"));
  EXPECT_EQ(run->Platform().CursorCount(), -1);
  EXPECT_EQ(run->Platform().ScreenSaverFlag(), 1);
  EXPECT_TRUE(run->Platform().Window().topmost);
}

TEST_F(StartupTest, PreviewStartCallsThePlatformInOrder) {
  const auto run = StartPreview(2690548, 152, 112);
  std::vector<std::string> calls = run->Platform().Calls();
  // The drawing objects are the same as in a full-screen start.
  std::erase_if(calls, [](const std::string& call) {
    return call.starts_with("Create") || call.starts_with("Select") ||
           call.starts_with("LoadBitmap") || call.starts_with("GetWindowDC");
  });
  EXPECT_THAT(calls, ElementsAre("SystemParametersInfo(114, 0, 0, 0)",
                                 "GetClientRect(2690548)",
                                 "SetTimerInterval(\"Timer1\", 41)",
                                 "SetTimerEnabled(\"Timer1\", 1)",
                                 "SetCaption(65552, \"Preview\")",
                                 "GetWindowLong(65552, -16)",
                                 "SetWindowLong(65552, -16, 1073741824)",
                                 "SetParent(65552, 2690548)",
                                 "SetWindowLong(65552, -8, 2690548)",
                                 "SetWindowPos(65552, 0, 0, 0, 152, 112, 84)"));
  EXPECT_EQ(run->Platform().CursorCount(), 0) << "a preview leaves the pointer alone";
  EXPECT_EQ(run->Platform().ScreenSaverFlag(), 0);
}

// The preview shows the top-left corner of its 320 x 240 surface.
TEST_F(StartupTest, PreviewWindowShowsTheTopLeftOfTheSurface) {
  const auto run = StartPreview(9, 152, 112);
  run->RunTicks(1);
  EXPECT_EQ(run->Platform().Frame().width, 152);
  EXPECT_EQ(run->Platform().Frame().height, 112);
}

}  // namespace
}  // namespace quellar
