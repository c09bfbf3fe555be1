// Arithmetic that leaves 16 bits and a table index out of range are run-time errors that end
// the run where they happen, storing nothing.

#include "engine/runtime_error.h"

#include "run_fixture.h"

namespace quellar {
namespace {

using RuntimeErrorTest = testing_support::RunFixture;

// On a screen 32767 pixels tall (1639 rows) a chain's head reaches row 1640, whose y of 32780
// does not fit 16 bits, in its 1640th tick (the interval is 51 ms from keypad - at 10 ms on); a
// width of 32768 does not fit at start-up.
TEST_F(RuntimeErrorTest, AnOverflowEndsTheRunWithoutStoringTheSettings) {
  for (const auto& [width, height, ticks, endedAt] :
       {std::array<std::int64_t, 4>{16, 32767, 1640, 10 + 1640 * 51}, {32768, 20, 0, 0}}) {
    const auto run =
        StartFullScreen(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    Press(*run, 10, {109});
    run->RunTicks(2000);
    EXPECT_EQ(run->Error(), "Overflow");
    EXPECT_EQ(std::make_tuple(run->Timer1Ticks(), run->EndedAt()), std::make_tuple(ticks, endedAt));
    EXPECT_EQ(Stored("speed", "B"), "<none>");
  }
}

TEST(ColumnTableTest, AnIndexOutOfRangeIsARuntimeError) {
  engine::ColumnTable table(3);
  table(3, 4) = 7;
  EXPECT_EQ(std::as_const(table)(3, 4), 7);
  for (const auto& [column, field] : {std::pair{0, 1}, {4, 1}, {1, 0}, {1, 5}, {-1, 2}}) {
    EXPECT_THROW(table(column, field), RuntimeError) << column << "," << field;
  }
}

}  // namespace
}  // namespace quellar
