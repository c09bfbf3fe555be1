// Hotkeys and buttons in a full-screen run: what each changes and what the display announces.

#include "run_fixture.h"

namespace quellar {
namespace {

using testing_support::Kind;
using HotkeyTest = testing_support::RunFixture;

// On 39 rows chains run from 2 to 41. Speeds of 96.5 and 94.5 show as 96 and 94; keypad + keeps
// the interval from going below 1; the main keyboard's plus and the asterisk's 8 do nothing.
TEST_F(HotkeyTest, EachKeyChangesItsSettingAndAnnouncesIt) {
  using Settings = std::array<std::int16_t, 3>;  // tickInterval, chainLength, randomDeleting
  struct Case {
    std::int16_t key;
    Settings before, after;
    const char* message;  // as shown, upper-cased; "" for none
  };
  const char* kDeletingOff = "RANDOM DELETING OFF ";
  for (const Case& c :
       {Case{107, {41, 28, -1}, {31, 28, -1}, "SPEED:  97 "},
        Case{107, {6, 28, -1}, {1, 28, -1}, "SPEED: 100 "},
        Case{107, {0, 28, -1}, {0, 28, -1}, "SPEED: 100 "},
        Case{109, {41, 28, -1}, {51, 28, -1}, "SPEED:  95 "},
        Case{109, {1001, 28, -1}, {1001, 28, -1}, "SPEED:   0 "},
        Case{107, {46, 28, -1}, {36, 28, -1}, "SPEED:  96 "},
        Case{109, {46, 28, -1}, {56, 28, -1}, "SPEED:  94 "},
        Case{106, {41, 28, -1}, {41, 29, -1}, "CHAIN LENGTH: 28 "},
        Case{106, {41, 41, -1}, {41, 41, -1}, "CHAIN LENGTH: 40 "},
        Case{111, {41, 28, -1}, {41, 27, -1}, "CHAIN LENGTH: 26 "},
        Case{111, {41, 2, -1}, {41, 2, -1}, "CHAIN LENGTH:  1 "},
        Case{13, {41, 28, -1}, {41, 28, 0}, kDeletingOff},
        Case{13, {41, 28, 5}, {41, 28, 0}, kDeletingOff},
        Case{13, {41, 28, 0}, {41, 28, -1}, "RANDOM DELETING ON "},
        Case{36, {101, 7, 0}, {41, 28, -1}, "SETTINGS RESETED "},
        Case{187, {41, 28, -1}, {41, 28, -1}, ""}, Case{56, {41, 28, -1}, {41, 28, -1}, ""}}) {
    SCOPED_TRACE(testing::Message() << "key " << c.key << " after " << c.before[0] << ","
                                    << c.before[1] << "," << c.before[2]);
    const auto run = StartFullScreen(1024, 768);
    engine::EngineState& s = run->Engine().state;
    std::tie(s.tickInterval, s.chainLength, s.randomDeleting) = std::tuple_cat(c.before);
    Press(*run, 10, {c.key});
    run->RunUntil(10);
    EXPECT_EQ((Settings{s.tickInterval, s.chainLength, s.randomDeleting}), c.after);
    EXPECT_EQ(s.osdText, c.message);
    if (c.after[0] != c.before[0] || c.key == 36) {
      EXPECT_EQ(run->Platform().Timers().Interval(TimerId::Timer1), c.after[0]);
    }
  }
}

TEST_F(HotkeyTest, HomeClampsTheChainOnShortScreens) {
  const auto run = StartFullScreen(640, 480);  // 24 rows: chains of at most 26
  Press(*run, 10, {36});
  run->RunUntil(10);
  EXPECT_EQ(run->Engine().state.chainLength, 26);
}

// A button acts as Escape: the first press starts the failure sequence, during which only
// Space, Escape and the buttons act.
TEST_F(HotkeyTest, OnlySpaceEscapeAndButtonsActWhileTheFailureSequenceRuns) {
  const auto run = StartFullScreen();
  run->Schedule({.at = 10, .kind = Kind::Button});
  Press(*run, 20, {13, 36, 106, 107, 109, 111, 112});
  run->RunUntil(30);
  const engine::EngineState& s = run->Engine().state;
  EXPECT_EQ(std::tie(s.failPhase, s.tickInterval, s.chainLength, s.randomDeleting, s.helpVisible,
                     s.osdText),
            std::make_tuple(1, 41, 28, -1, 0, ""));
}

}  // namespace
}  // namespace quellar
