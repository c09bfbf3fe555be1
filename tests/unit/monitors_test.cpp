// Full-screen runs over several monitors: each monitor shows its own engine's frame, the
// overlays stay on the primary, and the others follow it.

#include "engine/virtual_keys.h"
#include "platforms/monitors/monitor_list.h"
#include "run_fixture.h"

namespace quellar::testing_support {
namespace {

using monitors::ArrangeMonitors;
using monitors::MonitorInfo;
using monitors::ParseMonitorList;

std::vector<MonitorInfo> Monitors(const char* text) {
  return *ParseMonitorList(text);
}

std::string Describe(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

TEST(ArrangeMonitors, PicksThePrimaryAndTheBounds) {
  struct Case {
    const char* monitors;
    const char* primary;
    const char* bounds;
    std::size_t others;
  };
  for (const Case& c : {
           Case{"800x600+0+0,1024x768+800+0*", "800,0,1824,768", "0,0,1824,768", 1},
           Case{"800x600+1024+0,1024x768+0+0", "0,0,1024,768", "0,0,1824,768", 1},
           Case{"800x600+1024+10,1024x768+0+20", "1024,10,1824,610", "0,10,1824,788", 1},
           Case{"1280x1024-1280-200,640x480+0+0", "0,0,640,480", "-1280,-200,640,824", 1},
           // A mirrored output lies inside the monitor it mirrors, and passes on its mark.
           Case{"1024x768+0+0,800x600+0+0*,640x480+1024+0", "0,0,1024,768", "0,0,1664,768", 1},
           Case{"800x600+0+0,1024x768+0+0", "0,0,1024,768", "0,0,1024,768", 0},
       }) {
    const monitors::MonitorLayout layout = ArrangeMonitors(Monitors(c.monitors));
    EXPECT_EQ(Describe(layout.primary), c.primary) << c.monitors;
    EXPECT_EQ(Describe(layout.bounds), c.bounds) << c.monitors;
    EXPECT_EQ(layout.others.size(), c.others) << c.monitors;
  }
  for (const char* malformed :
       {"", "800x600", "800x600+0", "0x600+0+0", "800x600+0+0**", "800x600+0+0,", "x600+0+0",
        "800x600 +0+0", "800x-600+0+0", "2147483647x10+2147483647+0*", "10x2+0+2147483646"}) {
    EXPECT_FALSE(ParseMonitorList(malformed)) << malformed;
  }
}

class MonitorRuns : public RunFixture {
 protected:
  RunPtr StartOn(const char* monitors) { return StartRun({.monitors = Monitors(monitors)}); }

  // What the window shows at `area` is, pixel for pixel, `engine`'s back buffer.
  static bool ShowsBuffer(memory::MemoryRun& run, const engine::Engine& engine, Rect area) {
    const softgdi::Surface& buffer = *run.Platform().Gdi().SurfaceOf(engine.state.hdcBuffer);
    return Shows(run.Platform().Frame(), area.left, area.top, buffer.width, buffer.height, &buffer);
  }
};

TEST_F(MonitorRuns, EveryMonitorShowsItsOwnRainAndThePrimaryTheOverlays) {
  Store("chain", "100", "B");
  // Window coordinates: the primary at (800, 0), the others at (0, 100) and (1824, 0).
  const RunPtr run = StartOn("800x600-800+100,1024x768+0+0*,1280x1024+1024+0");
  Press(*run, 500, {engine::kKeyF1, engine::kKeyAdd});
  run->RunUntil(3000);
  const monitors::MonitorRun& monitors = run->Monitors();
  ASSERT_EQ(monitors.Followers(), 2u);
  EXPECT_EQ(Describe(run->Platform().Window().rect), "-800,0,2304,1024");
  const engine::Engine& left = monitors.FollowerEngine(0);
  const engine::Engine& right = monitors.FollowerEngine(1);
  EXPECT_EQ(left.state.colCount, 50);
  EXPECT_EQ(right.state.rowCount, 52);
  // The stored chain, cut to each monitor's rows; the end of the run stores it uncut.
  EXPECT_EQ(run->Engine().state.chainLength, 41);
  EXPECT_EQ(left.state.chainLength, 32);
  EXPECT_EQ(right.state.chainLength, 54);
  EXPECT_EQ(right.state.tickInterval, run->Engine().state.tickInterval);
  EXPECT_TRUE(ShowsBuffer(*run, run->Engine(), {800, 0}));
  EXPECT_TRUE(ShowsBuffer(*run, left, {0, 100}));
  EXPECT_TRUE(ShowsBuffer(*run, right, {1824, 0}));
  EXPECT_TRUE(run->Engine().state.helpVisible);
  EXPECT_FALSE(left.state.helpVisible || !left.state.osdText.empty());
  for (const engine::Engine* engine : {&left, &right}) {
    EXPECT_FALSE(Shows(*run->Platform().Gdi().SurfaceOf(engine->state.hdcBuffer), 0, 0, 800, 600));
  }
  run->Schedule({.at = 3000, .kind = Kind::DoubleClick});
  run->RunUntil(3000);
  EXPECT_EQ(Stored("chain", "B") + Stored("speed", "B"), "10031");
  // The window stays where it is while the run ends.
  EXPECT_THAT(run->Platform().Calls(),
              testing::Contains("SetWindowPos(65552, -2, -800, 0, 0, 0, 1)"));
}

TEST_F(MonitorRuns, TheFailureSequenceFreezesTheOtherMonitors) {
  const RunPtr run = StartOn("1024x768+0+0,800x600+1024+0");
  run->RunUntil(1000);
  Press(*run, 1000, {engine::kKeySpace});
  run->RunUntil(1010);
  const softgdi::Surface frozen =
      *run->Platform().Gdi().SurfaceOf(run->Monitors().FollowerEngine(0).state.hdcBuffer);
  run->RunUntil(1500);
  EXPECT_GT(run->Engine().state.failPhase, 5);
  EXPECT_TRUE(Shows(run->Platform().Frame(), 1024, 0, 800, 600, &frozen));
  // Monitors change on the frozen screen: one is added left of the others, so the window grows
  // to the left. Those still there show their frozen frames at their new places; the new one,
  // which had no rain to freeze, is black.
  run->RunUntil(3000);
  const softgdi::Surface before = run->Platform().Frame();
  run->ChangeMonitors(Monitors("1024x768+0+0,800x600+1024+0,640x480-640+0"));
  run->RunUntil(4000);
  EXPECT_TRUE(Shows(run->Platform().Frame(), 640, 0, 1824, 768, &before));
  EXPECT_TRUE(Shows(run->Platform().Frame(), 0, 0, 640, 480));
}

TEST_F(MonitorRuns, MonitorsAddedOrRemovedAreCoveredAgain) {
  const RunPtr run = StartOn("1024x768+0+0,800x600+1024+0");
  run->RunUntil(500);
  // The right monitor shrinks inside the same desktop: a new engine rains there, and the old
  // one took its back buffer with it (nothing can select it any more).
  const Handle goneBuffer = run->Monitors().FollowerEngine(0).state.hbmBuffer;
  run->ChangeMonitors(Monitors("1024x768+0+0,800x500+1024+0"));
  run->RunUntil(600);
  EXPECT_TRUE(ShowsBuffer(*run, run->Monitors().FollowerEngine(0), {1024, 0}));
  softgdi::SoftGdi& gdi = run->Platform().Gdi();
  EXPECT_EQ(gdi.SelectObject(gdi.CreateCompatibleDC(0), goneBuffer), 0);
  run->ChangeMonitors(Monitors("1024x768+0+0"));
  EXPECT_EQ(run->Monitors().Followers(), 0u);
  EXPECT_EQ(Describe(run->Platform().Window().rect), "0,0,1024,768");
  // What the window lost while it was smaller is shown again once it is not.
  run->ChangeMonitors(Monitors("800x600+0+0"));
  run->RunUntil(700);
  run->ChangeMonitors(Monitors("1024x768+0+0"));
  run->RunUntil(800);
  EXPECT_TRUE(ShowsBuffer(*run, run->Engine(), {0, 0}));
  // The primary monitor grew: the part its rain does not reach gets a rain of its own.
  run->ChangeMonitors(Monitors("1280x1024+0+0,640x480-640+0"));
  run->RunUntil(1500);
  ASSERT_EQ(run->Monitors().Followers(), 3u);
  EXPECT_EQ(Describe(run->Platform().Window().rect), "-640,0,1280,1024");
  EXPECT_TRUE(ShowsBuffer(*run, run->Engine(), {640, 0}));
  EXPECT_TRUE(ShowsBuffer(*run, run->Monitors().FollowerEngine(0), {0, 0}));
  EXPECT_TRUE(ShowsBuffer(*run, run->Monitors().FollowerEngine(1), {1664, 0}));
  EXPECT_TRUE(ShowsBuffer(*run, run->Monitors().FollowerEngine(2), {640, 768}));
}

// The primary monitor goes: its engine, with what the hotkeys changed, moves to the monitor that
// is now primary and draws there at once, and that monitor's follower is released.
TEST_F(MonitorRuns, WhenThePrimaryGoesTheRunMovesToTheNewPrimary) {
  const RunPtr run = StartOn("1024x768+0+0*,800x600+1024+0");
  Press(*run, 500, {engine::kKeyAdd});
  run->RunUntil(600);
  const std::int16_t interval = run->Engine().state.tickInterval;
  run->ChangeMonitors(Monitors("800x600+1024+0"));
  run->RunUntil(700);
  EXPECT_EQ(run->Monitors().Followers(), 0u);
  EXPECT_EQ(Describe(run->Platform().Window().rect), "1024,0,1824,600");
  EXPECT_EQ(run->Engine().state.tickInterval, interval);
  const softgdi::Surface& buffer = *run->Platform().Gdi().SurfaceOf(run->Engine().state.hdcBuffer);
  EXPECT_TRUE(Shows(run->Platform().Frame(), 0, 0, 800, 600, &buffer));
}

TEST_F(MonitorRuns, ALayoutWiderThanTheEnginesReachRuns) {
  const RunPtr run = StartOn("20000x40+0+0,20000x40+20000+0");
  run->RunUntil(2000);
  EXPECT_FALSE(run->Ended()) << run->Error();
  EXPECT_TRUE(ShowsBuffer(*run, run->Monitors().FollowerEngine(0), {20000, 0}));
  EXPECT_FALSE(Shows(run->Platform().Frame(), 20000, 0, 20000, 40));
}

}  // namespace
}  // namespace quellar::testing_support
