// The Wayland platform's parts that need no compositor: where the outputs lie in device pixels
// and which is primary, key repeat, the session's screen-saver flag.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platforms/wayland/key_repeat.h"
#include "platforms/wayland/pixel_layout.h"
#include "platforms/wayland/session_flag.h"

namespace quellar::wayland {
namespace {

std::string Describe(const std::vector<monitors::MonitorInfo>& monitors) {
  std::string text;
  for (const monitors::MonitorInfo& m : monitors) {
    text += std::to_string(m.rect.left) + "," + std::to_string(m.rect.top) + "," +
            std::to_string(m.rect.right) + "," + std::to_string(m.rect.bottom) +
            (m.primary ? "* " : " ");
  }
  return text;
}

TEST(PixelLayout, ScaledOutputsKeepTheirOrderAndPixelsAndThePrimaryIsAtTheOrigin) {
  struct Case {
    std::vector<OutputGeometry> outputs;
    const char* monitors;
  };
  for (const Case& c : {
           Case{{{0, 0, 1920, 1080, 1}}, "0,0,1920,1080* "},
           // Scale 2 beside scale 1: positions double, each output keeps its own pixels.
           Case{{{0, 0, 1280, 720, 1}, {1280, 0, 320, 240, 2}}, "0,0,1280,720* 2560,0,3200,480 "},
           Case{{{640, 0, 800, 600, 1}, {0, 0, 320, 240, 2}}, "1280,0,2080,600 0,0,640,480* "},
           // Nothing at the origin: the leftmost, then the topmost.
           Case{{{100, 0, 10, 10, 1}, {100, -50, 10, 10, 1}, {200, -100, 10, 10, 1}},
                "100,0,110,10 100,-50,110,-40* 200,-100,210,-90 "},
           Case{{}, ""},
       }) {
    EXPECT_EQ(Describe(PixelLayout(c.outputs)), c.monitors);
  }
}

TEST(KeyRepeat, AHeldKeyRepeatsAfterTheDelayAtTheRateUntilReleased) {
  constexpr std::int64_t kMs = 1'000'000;
  KeyRepeat repeat;
  repeat.SetRate(25, 600);
  repeat.Pressed(30, 'a', 0);
  EXPECT_FALSE(repeat.TakeDue(599 * kMs));
  EXPECT_EQ(repeat.TakeDue(600 * kMs), 'a');
  EXPECT_FALSE(repeat.TakeDue(639 * kMs));
  EXPECT_EQ(repeat.NextDue(), 640 * kMs);
  // A wait past several repeats yields each of them.
  int late = 0;
  while (repeat.TakeDue(760 * kMs)) ++late;
  EXPECT_EQ(late, 4);
  // Another key repeats instead; releasing the first then changes nothing.
  repeat.Pressed(31, 'b', 800 * kMs);
  repeat.Released(30);
  EXPECT_EQ(repeat.TakeDue(1400 * kMs), 'b');
  repeat.Released(31);
  EXPECT_FALSE(repeat.NextDue());
  repeat.SetRate(0, 600);
  repeat.Pressed(30, 'a', 0);
  EXPECT_FALSE(repeat.TakeDue(10'000 * kMs));
}

TEST(SessionFlag, IsSetWhileARunHoldsItAndNeverAfter) {
  const std::string display = "test-" + std::to_string(getpid());
  SessionFlag run(display);
  const SessionFlag other(display);
  EXPECT_FALSE(other.IsSet());
  run.Set(true);
  EXPECT_TRUE(other.IsSet());
  EXPECT_FALSE(SessionFlag("another-" + display).IsSet());
  run.Set(false);
  EXPECT_FALSE(other.IsSet());
}

}  // namespace
}  // namespace quellar::wayland
