// Hotkeys in a full-screen run: what each key changes and what the display announces.

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace quellar {
namespace {

using memory::ScriptedEvent;
using Kind = ScriptedEvent::Kind;

struct KeyCase {
  const char* name;
  std::int16_t key;
  std::int16_t interval;  // before the key
  std::int16_t chain;
  std::int16_t randomDeleting;
  std::int16_t expectedInterval;
  std::int16_t expectedChain;
  std::int16_t expectedRandom;
  const char* message;  // as shown, upper-cased; "" for none
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class HotkeyTest : public testing_support::RunFixture,
                   public testing::WithParamInterface<KeyCase> {};

// A 1024 x 768 screen has 39 rows, so chains run from 2 to 41.
TEST_P(HotkeyTest, ChangesTheSettingAndAnnouncesIt) {
  const KeyCase& c = GetParam();
  const auto run = StartFullScreen(1024, 768);
  engine::EngineState& state = run->Engine().state;
  state.tickInterval = c.interval;
  state.chainLength = c.chain;
  state.randomDeleting = c.randomDeleting;
  run->Schedule({.at = 10, .kind = Kind::Key, .code = c.key});
  run->RunUntil(10);
  EXPECT_EQ(state.tickInterval, c.expectedInterval);
  EXPECT_EQ(state.chainLength, c.expectedChain);
  EXPECT_EQ(state.randomDeleting, c.expectedRandom);
  EXPECT_EQ(state.osdText, c.message);
  EXPECT_FALSE(run->Ended());
  if (c.expectedInterval != c.interval || c.key == 36) {
    EXPECT_EQ(run->Platform().Timers().Interval(TimerId::Timer1), c.expectedInterval);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HotkeyTest,
    testing::Values(
        KeyCase{"faster", 107, 41, 28, -1, 31, 28, -1, "SPEED:  97 "},
        KeyCase{"fastest stays", 107, 1, 28, -1, 1, 28, -1, "SPEED: 100 "},
        KeyCase{"faster never below one", 107, 6, 28, -1, 1, 28, -1, "SPEED: 100 "},
        KeyCase{"faster from a stored zero", 107, 0, 28, -1, 0, 28, -1, "SPEED: 100 "},
        KeyCase{"slower", 109, 41, 28, -1, 51, 28, -1, "SPEED:  95 "},
        KeyCase{"slowest stays", 109, 1001, 28, -1, 1001, 28, -1, "SPEED:   0 "},
        KeyCase{"half goes down to even", 107, 46, 28, -1, 36, 28, -1, "SPEED:  96 "},
        KeyCase{"half stays even", 109, 46, 28, -1, 56, 28, -1, "SPEED:  94 "},
        KeyCase{"longer", 106, 41, 28, -1, 41, 29, -1, "CHAIN LENGTH: 28 "},
        KeyCase{"longest stays", 106, 41, 41, -1, 41, 41, -1, "CHAIN LENGTH: 40 "},
        KeyCase{"shorter", 111, 41, 28, -1, 41, 27, -1, "CHAIN LENGTH: 26 "},
        KeyCase{"shortest stays", 111, 41, 2, -1, 41, 2, -1, "CHAIN LENGTH:  1 "},
        KeyCase{"deleting off", 13, 41, 28, -1, 41, 28, 0, "RANDOM DELETING OFF "},
        KeyCase{"deleting on", 13, 41, 28, 0, 41, 28, -1, "RANDOM DELETING ON "},
        KeyCase{"any non-zero is on", 13, 41, 28, 5, 41, 28, 0, "RANDOM DELETING OFF "},
        KeyCase{"home", 36, 101, 7, 0, 41, 28, -1, "SETTINGS RESETED "},
        KeyCase{"main keyboard plus", 187, 41, 28, -1, 41, 28, -1, ""},
        KeyCase{"main keyboard minus", 189, 41, 28, -1, 41, 28, -1, ""},
        KeyCase{"main keyboard slash", 191, 41, 28, -1, 41, 28, -1, ""},
        KeyCase{"eight, the asterisk's key", 56, 41, 28, -1, 41, 28, -1, ""},
        KeyCase{"keypad 1", 97, 41, 28, -1, 41, 28, -1, ""}),
    [](const testing::TestParamInfo<KeyCase>& param) {
      std::string name = param.param.name;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

using HotkeyRulesTest = testing_support::RunFixture;

TEST_F(HotkeyRulesTest, HomeClampsTheChainOnShortScreens) {
  for (const auto& [height, chain] : {std::pair{480, 26}, std::pair{520, 28}}) {
    const auto run = StartFullScreen(640, height);  // 24 and 26 rows
    run->Schedule({.at = 10, .kind = Kind::Key, .code = 36});
    run->RunUntil(10);
    EXPECT_EQ(run->Engine().state.chainLength, chain) << height;
  }
}

TEST_F(HotkeyRulesTest, APreviewIgnoresEveryKey) {
  const auto run = StartPreview(3, 100, 80);
  PressKeys(*run, 10, {13, 36, 106, 107, 109, 111, 112, 32, 27});
  run->RunUntil(100);
  const engine::EngineState& state = run->Engine().state;
  EXPECT_EQ(state.tickInterval, 41);
  EXPECT_EQ(state.failPhase, 0);
  EXPECT_EQ(state.helpVisible, 0);
  EXPECT_TRUE(state.osdText.empty());
}

TEST_F(HotkeyRulesTest, OnlySpaceAndEscapeActWhileTheFailureSequenceRuns) {
  const auto run = StartFullScreen();
  run->Schedule({.at = 10, .kind = Kind::Key, .code = 32});
  PressKeys(*run, 20, {13, 36, 106, 107, 109, 111, 112});
  run->RunUntil(30);
  const engine::EngineState& state = run->Engine().state;
  EXPECT_EQ(state.failPhase, 1);
  EXPECT_EQ(state.tickInterval, 41);
  EXPECT_EQ(state.chainLength, 28);
  EXPECT_EQ(state.randomDeleting, -1);
  EXPECT_EQ(state.helpVisible, 0);
  EXPECT_TRUE(state.osdText.empty());
}

TEST_F(HotkeyRulesTest, AMouseButtonActsAsEscape) {
  const auto run = StartFullScreen();
  run->Schedule({.at = 10, .kind = Kind::Button, .code = 2});
  run->RunUntil(10);
  EXPECT_EQ(run->Engine().state.failPhase, 1);
  run->Schedule({.at = 500, .kind = Kind::Button, .code = 1});
  run->RunUntil(600);
  EXPECT_EQ(run->EndedAt(), 500);
}

}  // namespace
}  // namespace quellar
