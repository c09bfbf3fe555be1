// frmSettings over a dialog without a toolkit and a private SQLite store: what each stored pair
// shows, and what each way of closing stores, in which order.

#include "windows/frm_settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/engine.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"
#include "tests/registry/store_support.h"
#include "tests/settings/fake_settings_port.h"
#include "windows/settings_layout.h"

namespace quellar {
namespace {

using Value = std::optional<int>;

class FrmSettingsTest : public testing::Test {
 protected:
  std::string StoredText(const char* name) {
    return modRegistry::GetSetting(store_, engine::kAppTitle, name, "none", "B");
  }
  // The key exists, so that every read reaches its value.
  void Load(Value mouseMove, Value sysFailScreen) {
    modRegistry::SaveSetting(store_, engine::kAppTitle, "speed", "41", "B");
    for (const auto& [name, value] :
         {std::pair{"MouseMove", mouseMove}, {"SysFailScreen", sysFailScreen}}) {
      if (value)
        modRegistry::SaveSetting(store_, engine::kAppTitle, name, std::to_string(*value), "B");
    }
    recording_.log.clear();
    form_.Form_Load();
  }

  registry::SqliteStore store_{":memory:"};
  test::RecordingStore recording_{store_};
  test::FakeSettingsPort port_;
  FrmSettings form_{port_, recording_, ProgramVersion{2, 0, 0}};
};

struct LoadCase {
  const char* name;
  Value mouseMove, sysFailScreen;
  std::int16_t chMouse, chFail;
  bool chFailEnabled;
};

class LoadTest : public FrmSettingsTest, public testing::WithParamInterface<LoadCase> {};

// SysFailScreen is read first: a stored MouseMove then forces ChFail on whatever it held.
TEST_P(LoadTest, ShowsTheStoredPair) {
  const LoadCase& c = GetParam();
  Load(c.mouseMove, c.sysFailScreen);
  EXPECT_EQ(recording_.log, (std::vector<std::string>{"read SysFailScreen", "read MouseMove"}));
  EXPECT_EQ(port_.states[CheckBox::ChMouse], c.chMouse);
  EXPECT_EQ(port_.states[CheckBox::ChFail], c.chFail);
  EXPECT_EQ(port_.enabled[CheckBox::ChFail], c.chFailEnabled);
  EXPECT_EQ(port_.caption, "Quellar\xE2\x84\xA2 Screensaver by Tovenlab");
  EXPECT_EQ(port_.versionText, "v2.0.0");
}

INSTANTIATE_TEST_SUITE_P(StoredValues, LoadTest,
                         testing::Values(LoadCase{"NothingStored", {}, {}, 0, 0, true},
                                         LoadCase{"MouseMoveForcesSkip", 1, 0, 1, 1, false},
                                         LoadCase{"SkipAlone", 0, 1, 0, 1, true},
                                         LoadCase{"MouseMoveOnly", 1, {}, 1, 1, false},
                                         LoadCase{"TwoIsIndeterminate", 0, 2, 0, 2, true},
                                         LoadCase{"IndeterminateMouseMoveForcesNothing", 2, 0, 2, 0,
                                                  true},
                                         LoadCase{"SevenIsChecked", 7, 0, 1, 1, false},
                                         LoadCase{"LargestByteIsChecked", 0, 255, 0, 1, true}),
                         [](const auto& param) { return std::string(param.param.name); });

struct CloseCase {
  const char* name;
  Value mouseMove, sysFailScreen;
  std::vector<CheckBox> clicks;
  const char* storedMouseMove;
  const char* storedSysFailScreen;
};

class CloseTest : public FrmSettingsTest,
                  public testing::WithParamInterface<std::tuple<CloseCase, bool>> {};

// The Close button and the window's own close store alike; only the button ends the process,
// after the dialog has gone.
TEST_P(CloseTest, StoresWhatTheBoxesShow) {
  const auto& [c, button] = GetParam();
  Load(c.mouseMove, c.sysFailScreen);
  for (const CheckBox box : c.clicks) form_.CheckBoxClicked(box);
  EXPECT_EQ(port_.enabled[CheckBox::ChFail], port_.states[CheckBox::ChMouse] != kChecked);
  recording_.log.clear();
  if (button) {
    EXPECT_THROW(form_.cmdClose_Click(), ProcessEnd);
  } else {
    form_.Unload();
  }
  EXPECT_EQ(recording_.log, (std::vector<std::string>{"write MouseMove", "write SysFailScreen"}));
  const std::vector<std::string> closing{"CloseDialog", "EndProcess"};
  EXPECT_EQ(port_.calls, std::vector<std::string>(closing.begin(), closing.end() - !button));
  EXPECT_EQ(StoredText("MouseMove"), c.storedMouseMove);
  EXPECT_EQ(StoredText("SysFailScreen"), c.storedSysFailScreen);
}

const CheckBox kMouse = CheckBox::ChMouse;
const CheckBox kFail = CheckBox::ChFail;

INSTANTIATE_TEST_SUITE_P(
    Closing, CloseTest,
    testing::Combine(
        testing::Values(
            CloseCase{"NothingStored", {}, {}, {}, "0", "0"},
            CloseCase{"ForcedSkipIsStored", 1, 0, {}, "1", "1"},
            CloseCase{"CheckedAndClearedMouseKeepsSkip", 0, 0, {kMouse, kMouse}, "0", "1"},
            CloseCase{"ClearedMouseFreesSkip", 1, 0, {kMouse, kFail}, "0", "0"},
            CloseCase{"SkipOnly", 0, 0, {kFail}, "0", "1"},
            CloseCase{"UntouchedIndeterminateStaysOn", 2, 2, {}, "1", "1"},
            CloseCase{"ClickedIndeterminateClears", 0, 2, {kFail}, "0", "0"},
            CloseCase{"TwiceClickedIndeterminateChecks", 0, 2, {kFail, kFail}, "0", "1"},
            CloseCase{"IndeterminateMouseClickedClears", 2, 0, {kMouse}, "0", "0"},
            CloseCase{"SevenIsStoredAsOne", 7, 7, {}, "1", "1"}),
        testing::Bool()),
    [](const auto& param) {
      return std::string(std::get<0>(param.param).name) +
             (std::get<1>(param.param) ? "_Button" : "_Window");
    });

TEST(SettingsTexts, NoticeAndHotkeys) {
  const std::string notice = settings_layout::kLegalNotice;
  // Code points: every byte but the continuation bytes of a UTF-8 sequence starts one.
  EXPECT_EQ(std::count_if(notice.begin(), notice.end(),
                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }),
            74);
  EXPECT_EQ(settings_layout::HotkeyText("|"),
            "Speed: faster: [+]; slower: [-]|Character chain length: shorter: [/]; longer: "
            "[*]|Random deleting ON/OFF: [ENTER]|Reset to defaults: [HOME]|Exit: [ESC] or "
            "[SPACE]");
  EXPECT_EQ(VersionText({10, 2, 31}), "v10.2.31");
}

}  // namespace
}  // namespace quellar
