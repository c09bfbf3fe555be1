// Changed boxes become few requests: touching boxes of a column merge, nothing else does.

#include "windows/x11/column_boxes.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar::softgdi {

void PrintTo(const Box& box, std::ostream* out) {
  *out << "{" << box.x << ", " << box.y << ", " << box.width << ", " << box.height << "}";
}

}  // namespace quellar::softgdi

namespace quellar::x11 {
namespace {

using softgdi::Box;
using Boxes = std::vector<Box>;

TEST(MergeColumnBoxesTest, Cases) {
  const struct {
    const char* name;
    Boxes changed;
    Boxes requests;  // by column, then from the top
  } cases[] = {
      {"a head and the two cells behind it, in drawing order",
       {{16, 40, 16, 20}, {16, 20, 16, 20}, {16, 60, 16, 20}},
       {{16, 20, 16, 60}}},
      {"a gap keeps cells apart",
       {{0, 0, 16, 20}, {0, 40, 16, 20}},
       {{0, 0, 16, 20}, {0, 40, 16, 20}}},
      {"neighbouring columns stay apart",
       {{0, 20, 16, 20}, {16, 20, 16, 20}},
       {{0, 20, 16, 20}, {16, 20, 16, 20}}},
      {"overlapping and repeated boxes",
       {{0, 30, 16, 20}, {0, 10, 16, 30}, {0, 10, 16, 30}},
       {{0, 10, 16, 40}}},
      {"another width is another column",
       {{0, 0, 16, 20}, {0, 20, 32, 20}},
       {{0, 0, 16, 20}, {0, 20, 32, 20}}},
      {"clipped to the bounds; outside and empty boxes go",
       {{48, 90, 32, 20}, {-8, -10, 16, 20}, {0, 100, 16, 20}, {0, 0, 0, 20}},
       {{0, 0, 8, 10}, {48, 90, 16, 10}}},
  };
  Boxes requests{{1, 2, 3, 4}};  // reused: what it held before goes
  for (const auto& test : cases) {
    MergeColumnBoxes(test.changed, {0, 0, 64, 100}, requests);
    EXPECT_EQ(requests, test.requests) << test.name;
  }
}

}  // namespace
}  // namespace quellar::x11
