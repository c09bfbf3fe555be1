// Xinerama's screens as the run arranges them: side by side they are monitors with the one at
// the origin primary; heads that all start at the origin (as Xvfb's are) cover one monitor.

// gtest comes before the X headers, which define None as a macro.
// clang-format off
#include <gtest/gtest.h>
#include "platforms/x11/monitor_query.h"
// clang-format on

namespace quellar::x11 {
namespace {

TEST(XineramaScreens, ArrangeAsMonitors) {
  const XineramaScreenInfo sideBySide[] = {{0, 1280, 56, 1024, 768}, {1, 0, 0, 1280, 1024}};
  const monitors::MonitorLayout layout = monitors::ArrangeMonitors(MonitorsOfScreens(sideBySide));
  EXPECT_EQ(layout.primary.right, 1280);
  EXPECT_EQ(layout.primary.bottom, 1024);
  ASSERT_EQ(layout.others.size(), 1u);
  EXPECT_EQ(layout.others[0].left, 1280);
  EXPECT_EQ(layout.others[0].top, 56);
  EXPECT_EQ(layout.bounds.right - layout.bounds.left, 2304);

  const XineramaScreenInfo atOrigin[] = {{0, 0, 0, 800, 600}, {1, 0, 0, 1024, 768}};
  const monitors::MonitorLayout one = monitors::ArrangeMonitors(MonitorsOfScreens(atOrigin));
  EXPECT_TRUE(one.others.empty());
  EXPECT_EQ(one.primary.right, 1024);
}

}  // namespace
}  // namespace quellar::x11
