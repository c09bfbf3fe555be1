// Changed boxes become few requests: touching boxes of a column merge, nothing else does.

#include "platforms/softgdi/column_boxes.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar::softgdi {
// Boxes as x, y, width, height in a failure's message.
static void PrintTo(const Box& box, std::ostream* out) {
  *out << box.x << "," << box.y << "," << box.width << "," << box.height;
}

namespace {

using Boxes = std::vector<Box>;

TEST(MergeColumnBoxesTest, Cases) {
  const std::pair<Boxes, Boxes> cases[] = {
      // A head and the two cells behind it, in drawing order, become one request.
      {{{16, 40, 16, 20}, {16, 20, 16, 20}, {16, 60, 16, 20}}, {{16, 20, 16, 60}}},
      // A gap, a neighbouring column and another width keep boxes apart.
      {{{0, 0, 16, 20}, {0, 40, 16, 20}, {16, 40, 16, 20}, {0, 60, 32, 20}},
       {{0, 0, 16, 20}, {0, 40, 16, 20}, {0, 60, 32, 20}, {16, 40, 16, 20}}},
      // Overlapping and repeated boxes become one.
      {{{0, 30, 16, 20}, {0, 10, 16, 30}, {0, 10, 16, 30}}, {{0, 10, 16, 40}}},
      // Clipped to the bounds; boxes outside them and empty ones go.
      {{{48, 90, 32, 20}, {-8, -10, 16, 20}, {0, 100, 16, 20}, {0, 0, 0, 20}},
       {{0, 0, 8, 10}, {48, 90, 16, 10}}},
  };
  Boxes requests{{1, 2, 3, 4}};  // reused: what it held before goes
  for (const auto& [changed, expected] : cases) {
    MergeColumnBoxes(changed, {0, 0, 64, 100}, requests);
    EXPECT_EQ(requests, expected) << testing::PrintToString(changed);
  }
}

}  // namespace
}  // namespace quellar::softgdi
