// Changed boxes become few requests: touching boxes of a column merge, nothing else does.

#include "platforms/x11/column_boxes.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar::x11 {
namespace {

using Boxes = std::vector<softgdi::Box>;

// Boxes as x, y, width, height.
std::string Text(const Boxes& boxes) {
  std::string text;
  for (const softgdi::Box& box : boxes) {
    text += std::to_string(box.x) + "," + std::to_string(box.y) + "," + std::to_string(box.width) +
            "," + std::to_string(box.height) + " ";
  }
  return text;
}

TEST(MergeColumnBoxesTest, Cases) {
  const std::pair<Boxes, const char*> cases[] = {
      // A head and the two cells behind it, in drawing order, become one request.
      {{{16, 40, 16, 20}, {16, 20, 16, 20}, {16, 60, 16, 20}}, "16,20,16,60 "},
      // A gap, a neighbouring column and another width keep boxes apart.
      {{{0, 0, 16, 20}, {0, 40, 16, 20}, {16, 40, 16, 20}, {0, 60, 32, 20}},
       "0,0,16,20 0,40,16,20 0,60,32,20 16,40,16,20 "},
      // Overlapping and repeated boxes become one.
      {{{0, 30, 16, 20}, {0, 10, 16, 30}, {0, 10, 16, 30}}, "0,10,16,40 "},
      // Clipped to the bounds; boxes outside them and empty ones go.
      {{{48, 90, 32, 20}, {-8, -10, 16, 20}, {0, 100, 16, 20}, {0, 0, 0, 20}},
       "0,0,8,10 48,90,16,10 "},
  };
  Boxes requests{{1, 2, 3, 4}};  // reused: what it held before goes
  for (const auto& [changed, expected] : cases) {
    MergeColumnBoxes(changed, {0, 0, 64, 100}, requests);
    EXPECT_EQ(Text(requests), expected) << Text(changed);
  }
}

}  // namespace
}  // namespace quellar::x11
