// Arithmetic that leaves 16 bits and a table index out of range are run-time errors that end
// the run where they happen, storing nothing.

#include "engine/runtime_error.h"

#include "run_fixture.h"

namespace quellar {
namespace {

using RuntimeErrorTest = testing_support::RunFixture;

// On a screen 32767 pixels tall (1639 rows) a chain's head reaches row 1640, whose y of 32780
// does not fit 16 bits, in its 1640th tick; a width of 32768 does not fit at start-up.
TEST_F(RuntimeErrorTest, AnOverflowEndsTheRunWithoutStoringTheSettings) {
  struct Case {
    std::int32_t width, height;
    std::int64_t ticks;
  };
  for (const Case c : {Case{16, 32767, 1640}, Case{32768, 20, 0}}) {
    SCOPED_TRACE(c.width);
    Store("speed", "51", "B");
    const auto run = StartFullScreen(c.width, c.height);
    run->RunTicks(2000);
    EXPECT_EQ(run->Error(), "Overflow");
    EXPECT_EQ(run->Timer1Ticks(), c.ticks);
    EXPECT_EQ(run->EndedAt(), c.ticks * 51);
    EXPECT_EQ(Stored("speed", "B"), "51");
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
