// The parts of a copy to a window that can have changed since that window last received the
// same bitmap at the same place: never fewer than changed, and few when little did.

#include <gtest/gtest.h>

#include <vector>

#include "tests/x11/box_printing.h"
#include "windows/softgdi/soft_gdi.h"

namespace quellar::softgdi {
namespace {

class ChangesWindow : public WindowTarget {
 public:
  void ReceiveCopy(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const Surface&,
                   std::int32_t, std::int32_t) override {
    ADD_FAILURE() << "the soft GDI names the changes";
  }
  void ReceiveChanges(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const Surface&,
                      std::int32_t, std::int32_t, std::span<const Box> boxes) override {
    changed.assign(boxes.begin(), boxes.end());
  }
  std::vector<Box> changed;
};

using Boxes = std::vector<Box>;

constexpr std::int32_t kWidth = 64;
constexpr std::int32_t kHeight = 60;
constexpr Box kWhole{0, 0, kWidth, kHeight};

class SoftGdiDamageTest : public testing::Test {
 protected:
  SoftGdiDamageTest()
      : windowDc_(gdi_.CreateWindowDC(window_)),
        buffer_(NewDc(kWidth, kHeight)),
        sheet_(NewDc(32, 20)) {}

  Handle NewDc(std::int32_t width, std::int32_t height) {
    const Handle dc = gdi_.CreateCompatibleDC(0);
    gdi_.SelectObject(dc, gdi_.CreateCompatibleBitmap(0, width, height));
    return dc;
  }
  void DrawCell(std::int32_t x, std::int32_t y) {
    ASSERT_TRUE(gdi_.BitBlt(buffer_, x, y, 16, 20, sheet_, 16, 0, kSrcCopy));
  }
  // Copies the buffer to `windowDc` and gives what it was told had changed.
  std::vector<Box> Present(Handle windowDc, ChangesWindow& window, Box part = kWhole,
                           std::int32_t dx = 0, std::int32_t dy = 0) {
    EXPECT_TRUE(gdi_.BitBlt(windowDc, part.x + dx, part.y + dy, part.width, part.height, buffer_,
                            part.x, part.y, kSrcCopy));
    return window.changed;
  }
  std::vector<Box> Present(Box part = kWhole) { return Present(windowDc_, window_, part); }

  SoftGdi gdi_;
  ChangesWindow window_;
  Handle windowDc_;
  Handle buffer_;
  Handle sheet_;
};

TEST_F(SoftGdiDamageTest, TheFirstCopyChangesAllOfItThenOnlyWhatWasDrawn) {
  EXPECT_EQ(Present(), Boxes{kWhole});
  EXPECT_EQ(Present(), Boxes{});
  DrawCell(16, 20);
  DrawCell(48, 50);  // clipped by the buffer's edge
  EXPECT_EQ(Present(), (Boxes{{16, 20, 16, 20}, {48, 50, 16, 10}}));
  EXPECT_EQ(Present(), Boxes{});
}

TEST_F(SoftGdiDamageTest, WhatAPartialCopyLeavesOutComesWithTheNextCopy) {
  Present();
  DrawCell(0, 0);
  DrawCell(32, 20);
  DrawCell(16, 10);  // half inside the part below
  EXPECT_EQ((Present({0, 0, 64, 20})), (Boxes{{0, 0, 16, 20}, {16, 10, 16, 10}}));
  EXPECT_EQ(Present(), (Boxes{{32, 20, 16, 20}, {16, 10, 16, 20}}));
}

TEST_F(SoftGdiDamageTest, AnotherBitmapOrAnotherPlaceIsNewAllOver) {
  Present();
  const Handle other = NewDc(kWidth, kHeight);
  ASSERT_TRUE(gdi_.BitBlt(windowDc_, 0, 0, kWidth, kHeight, other, 0, 0, kSrcCopy));
  EXPECT_EQ(window_.changed, Boxes{kWhole});
  EXPECT_EQ(Present(), Boxes{kWhole}) << "the buffer again, after the other";
  EXPECT_EQ((Present(windowDc_, window_, kWhole, 16, 0)), (Boxes{{16, 0, 64, 60}})) << "moved";
  DrawCell(0, 0);
  EXPECT_EQ((Present(windowDc_, window_, kWhole, 16, 0)), (Boxes{{16, 0, 16, 20}}));
}

TEST_F(SoftGdiDamageTest, EachWindowHasItsOwnChanges) {
  ChangesWindow second;
  const Handle secondDc = gdi_.CreateWindowDC(second);
  Present();
  Present(secondDc, second);
  DrawCell(0, 0);
  EXPECT_EQ(Present(), (Boxes{{0, 0, 16, 20}}));
  DrawCell(16, 0);
  EXPECT_EQ((Present(secondDc, second)), (Boxes{{0, 0, 16, 20}, {16, 0, 16, 20}}));
  EXPECT_TRUE(gdi_.DeleteDC(secondDc));
  EXPECT_EQ(Present(), (Boxes{{16, 0, 16, 20}}));
}

TEST_F(SoftGdiDamageTest, ManyChangesBecomeTheirBoundingBox) {
  Present();
  for (std::size_t i = 0; i < Damage::kMaxBoxes; ++i) DrawCell(16 + static_cast<int>(i % 2), 20);
  DrawCell(0, 0);
  EXPECT_EQ(Present(), (Boxes{{0, 0, 33, 40}}));
}

TEST(DamageTest, EmptyBoxesAreNotKeptAndRemovalTakesOnlyWholeBoxes) {
  Damage damage;
  damage.Add({5, 5, 0, 10});
  damage.Add({5, 5, 10, -1});
  EXPECT_TRUE(damage.Empty());
  damage.Add({0, 0, 10, 10});
  damage.Add({5, 5, 10, 10});
  damage.RemoveInside({0, 0, 10, 10});
  EXPECT_EQ(Boxes(damage.Boxes().begin(), damage.Boxes().end()), (Boxes{{5, 5, 10, 10}}));
}

}  // namespace
}  // namespace quellar::softgdi
