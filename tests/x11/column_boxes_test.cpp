// Changed boxes become few requests: touching boxes of a column merge, nothing else does.

#include "windows/x11/column_boxes.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/x11/box_printing.h"

namespace quellar::x11 {
namespace {

using softgdi::Box;

struct MergeCase {
  const char* name;
  std::vector<Box> changed;
  std::vector<Box> requests;  // sorted by column, then from the top
};

constexpr Box kBounds{0, 0, 64, 100};

const MergeCase kCases[] = {
    {"nothing", {}, {}},
    {"a head and the two cells behind it, in drawing order",
     {{16, 40, 16, 20}, {16, 20, 16, 20}, {16, 60, 16, 20}},
     {{16, 20, 16, 60}}},
    {"a gap keeps cells apart",
     {{0, 0, 16, 20}, {0, 40, 16, 20}},
     {{0, 0, 16, 20}, {0, 40, 16, 20}}},
    {"cells of neighbouring columns stay apart",
     {{0, 20, 16, 20}, {16, 20, 16, 20}},
     {{0, 20, 16, 20}, {16, 20, 16, 20}}},
    {"the same cell twice", {{32, 20, 16, 20}, {32, 20, 16, 20}}, {{32, 20, 16, 20}}},
    {"a box inside a taller one", {{0, 0, 16, 80}, {0, 20, 16, 20}}, {{0, 0, 16, 80}}},
    {"overlapping boxes", {{0, 30, 16, 20}, {0, 10, 16, 30}}, {{0, 10, 16, 40}}},
    {"another width is another column",
     {{0, 0, 16, 20}, {0, 20, 32, 20}},
     {{0, 0, 16, 20}, {0, 20, 32, 20}}},
    {"clipped to the bounds",
     {{48, 90, 32, 20}, {-8, -10, 16, 20}},
     {{0, 0, 8, 10}, {48, 90, 16, 10}}},
    {"boxes outside the bounds and empty ones go",
     {{0, 100, 16, 20}, {64, 0, 16, 20}, {0, 0, 0, 20}},
     {}},
};

TEST(MergeColumnBoxesTest, Cases) {
  std::vector<Box> requests{{1, 2, 3, 4}};  // reused: what it held before goes
  for (const MergeCase& test : kCases) {
    MergeColumnBoxes(test.changed, kBounds, requests);
    EXPECT_EQ(requests, test.requests) << test.name;
  }
}

}  // namespace
}  // namespace quellar::x11
