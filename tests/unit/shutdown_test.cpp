// Ending a full-screen run gives the desktop back and stores the hotkey settings.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_fixture.h"

namespace quellar {
namespace {

using memory::ScriptedEvent;
using Kind = ScriptedEvent::Kind;
using ShutdownTest = testing_support::RunFixture;

TEST_F(ShutdownTest, DoubleClickRestoresTheDesktopInOrder) {
  const auto run = StartFullScreen(800, 600);
  const std::size_t startCalls = run->Platform().Calls().size();
  run->Schedule({.at = 100, .kind = Kind::DoubleClick});
  run->RunUntil(1000);

  ASSERT_TRUE(run->Ended());
  EXPECT_EQ(run->EndedAt(), 100);
  const std::vector<std::string> calls(run->Platform().Calls().begin() +
                                          static_cast<std::ptrdiff_t>(startCalls),
                                      run->Platform().Calls().end());
  EXPECT_THAT(calls, testing::ElementsAre("ShowCursor(1)", "SetWindowPos(65552, -2, 0, 0, 0, 0, 1)",
                                          "SystemParametersInfo(97, 0, 0, 0)", "DeleteDC(2)",
                                          "DeleteDC(5)", "DeleteDC(8)", "DeleteDC(11)",
                                          "DeleteDC(14)", "CloseMainWindow()", "EndProcess()"));
  EXPECT_EQ(run->Platform().CursorCount(), 0);
  EXPECT_EQ(run->Platform().ScreenSaverFlag(), 0);
  EXPECT_FALSE(run->Platform().Window().exists);
  EXPECT_EQ(Stored("speed", "B"), "41");
  EXPECT_EQ(Stored("chain", "B"), "28");
  EXPECT_EQ(Stored("randm", "S"), "True");
}

TEST_F(ShutdownTest, StoredSettingsComeBackInTheNextRun) {
  Store("speed", "31", "B");
  Store("randm", "False", "S");
  Store("chain", "12", "B");
  auto first = StartFullScreen();
  first->Schedule({.at = 50, .kind = Kind::Key, .code = 27});
  first->Schedule({.at = 60, .kind = Kind::Key, .code = 27});
  first->RunUntil(100);
  ASSERT_TRUE(first->Ended());
  const auto second = StartFullScreen();
  EXPECT_EQ(second->Engine().state.tickInterval, 31);
  EXPECT_EQ(second->Engine().state.chainLength, 12);
  EXPECT_EQ(second->Engine().state.randomDeleting, 0);
}

// One byte holds the interval; a longer one is not stored and the older value stays.
TEST_F(ShutdownTest, AnIntervalAboveOneByteKeepsTheOlderValue) {
  Store("speed", "200", "B");
  const auto run = StartFullScreen();
  run->Engine().state.tickInterval = 301;
  run->Schedule({.at = 10, .kind = Kind::DoubleClick});
  run->RunUntil(20);
  EXPECT_EQ(Stored("speed", "B"), "200");
}

TEST_F(ShutdownTest, MouseMovementEndsTheRunOnlyWhenAskedTo) {
  for (const bool closeOnMove : {false, true}) {
    Store("MouseMove", closeOnMove ? "1" : "0", "B");
    const auto run = StartFullScreen();
    for (int i = 1; i <= 8; ++i) run->Schedule({.at = i * 10, .kind = Kind::Move});
    run->RunUntil(75);
    EXPECT_FALSE(run->Ended()) << "seven movements are only counted";
    run->RunUntil(200);
    EXPECT_EQ(run->Ended(), closeOnMove);
    if (closeOnMove) {
      EXPECT_EQ(run->EndedAt(), 80);
    }
  }
}

TEST_F(ShutdownTest, APreviewIgnoresInputAndStoresNothing) {
  const auto run = StartPreview(5, 200, 150);
  for (const Kind kind : {Kind::Key, Kind::Button, Kind::DoubleClick, Kind::Move}) {
    run->Schedule({.at = 10, .kind = kind, .code = 27});
  }
  run->RunUntil(500);
  EXPECT_FALSE(run->Ended());
  EXPECT_EQ(Stored("speed", "B"), "<none>");
}

TEST_F(ShutdownTest, TimerTicksPresentTheBackBuffer) {
  const auto run = StartFullScreen(64, 40);
  run->RunUntil(41 * 3);
  EXPECT_EQ(run->Timer1Ticks(), 3);
  const softgdi::Surface& frame = run->Platform().Frame();
  EXPECT_EQ(frame.width, 64);
  EXPECT_EQ(frame.height, 40);
}

}  // namespace
}  // namespace quellar
