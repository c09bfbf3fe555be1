// frmSettings over a dialog without a toolkit and a private SQLite store: what each stored pair
// shows, what each way of closing stores, and the order of the reads, writes and rules.

#include "windows/frm_settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/engine.h"
#include "fake_settings_port.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"
#include "windows/settings_layout.h"

namespace quellar {
namespace {

using test::FakeSettingsPort;

// Passes every call on to the store and notes which values are read and written.
class LoggingStore final : public registry::RegistryApi {
 public:
  explicit LoggingStore(registry::RegistryApi& store) : store_(store) {}

  std::int32_t CreateKey(registry::HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, registry::HKey& result) override {
    return store_.CreateKey(root, subKey, options, access, result);
  }
  std::int32_t OpenKey(registry::HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, registry::HKey& result) override {
    return store_.OpenKey(root, subKey, options, access, result);
  }
  std::int32_t SetValue(registry::HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    log.push_back("write " + name);
    return store_.SetValue(key, name, type, data, size);
  }
  std::int32_t QueryValue(registry::HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override {
    log.push_back("read " + name);
    return store_.QueryValue(key, name, type, data, size);
  }
  std::int32_t CloseKey(registry::HKey key) override { return store_.CloseKey(key); }
  bool FindOrdinaryFile(const std::string& pattern) override {
    return store_.FindOrdinaryFile(pattern);
  }

  std::vector<std::string> log;

 private:
  registry::RegistryApi& store_;
};

class FrmSettingsTest : public testing::Test {
 protected:
  void Store(const char* name, std::optional<int> value) {
    if (value)
      modRegistry::SaveSetting(store_, engine::kAppTitle, name, std::to_string(*value), "B");
  }
  std::string Stored(const char* name) {
    return modRegistry::GetSetting(store_, engine::kAppTitle, name, "<none>", "B");
  }
  void Load(std::optional<int> mouseMove, std::optional<int> sysFailScreen) {
    Store("MouseMove", mouseMove);
    Store("SysFailScreen", sysFailScreen);
    logging_.log.clear();
    form_.Form_Load();
  }

  registry::SqliteStore store_{":memory:"};
  LoggingStore logging_{store_};
  FakeSettingsPort port_;
  FrmSettings form_{port_, logging_, ProgramVersion{2, 0, 0}};
};

struct LoadCase {
  const char* name;
  std::optional<int> mouseMove;
  std::optional<int> sysFailScreen;
  std::int16_t chMouse;
  std::int16_t chFail;
  bool chFailEnabled;
};

class LoadTest : public FrmSettingsTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, ShowsTheStoredPair) {
  const LoadCase& c = GetParam();
  Load(c.mouseMove, c.sysFailScreen);
  EXPECT_EQ(port_.CheckState(CheckBox::ChMouse), c.chMouse);
  EXPECT_EQ(port_.CheckState(CheckBox::ChFail), c.chFail);
  EXPECT_EQ(port_.Enabled(CheckBox::ChFail), c.chFailEnabled);
  EXPECT_TRUE(port_.Enabled(CheckBox::ChMouse));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, LoadTest,
    testing::Values(LoadCase{"NothingStored", {}, {}, 0, 0, true},
                    LoadCase{"BothClear", 0, 0, 0, 0, true},
                    LoadCase{"MouseMoveForcesSkip", 1, 0, 1, 1, false},
                    LoadCase{"SkipAlone", 0, 1, 0, 1, true}, LoadCase{"BothOn", 1, 1, 1, 1, false},
                    LoadCase{"MouseMoveOnly", 1, {}, 1, 1, false},
                    LoadCase{"TwoIsIndeterminate", 0, 2, 0, 2, true},
                    LoadCase{"IndeterminateMouseMoveForcesNothing", 2, 0, 2, 0, true},
                    LoadCase{"SevenIsChecked", 7, 0, 1, 1, false},
                    LoadCase{"LargestByteIsChecked", 0, 255, 0, 1, true}),
    [](const testing::TestParamInfo<LoadCase>& param) { return std::string(param.param.name); });

enum class Close { Button, Window };

struct CloseCase {
  const char* name;
  std::optional<int> mouseMove;
  std::optional<int> sysFailScreen;
  std::vector<CheckBox> clicks;
  const char* storedMouseMove;
  const char* storedSysFailScreen;
};

class CloseTest : public FrmSettingsTest,
                  public testing::WithParamInterface<std::tuple<CloseCase, Close>> {
 protected:
  // Closes the dialog; true when that ended the process.
  bool CloseBy(Close way) {
    if (way == Close::Window) {
      form_.Unload();
      return false;
    }
    try {
      form_.cmdClose_Click();
    } catch (const ProcessEnd& end) {
      EXPECT_EQ(end.exitCode, 0);
      return true;
    }
    return false;
  }
};

TEST_P(CloseTest, StoresWhatTheBoxesShow) {
  const auto& [c, way] = GetParam();
  Load(c.mouseMove, c.sysFailScreen);
  for (const CheckBox box : c.clicks) form_.CheckBoxClicked(box);
  const bool ended = CloseBy(way);
  EXPECT_EQ(ended, way == Close::Button) << "only the Close button ends the process";
  EXPECT_EQ(Stored("MouseMove"), c.storedMouseMove);
  EXPECT_EQ(Stored("SysFailScreen"), c.storedSysFailScreen);
}

const CheckBox kMouse = CheckBox::ChMouse;
const CheckBox kFail = CheckBox::ChFail;

INSTANTIATE_TEST_SUITE_P(
    Closing, CloseTest,
    testing::Combine(
        testing::Values(CloseCase{"NothingStored", {}, {}, {}, "0", "0"},
                        CloseCase{"ForcedSkipIsStored", 1, 0, {}, "1", "1"},
                        CloseCase{"CheckedAndClearedMouse", 0, 0, {kMouse, kMouse}, "0", "1"},
                        CloseCase{"ClearedMouseFreesSkip", 1, 0, {kMouse, kFail}, "0", "0"},
                        CloseCase{"SkipOnly", 0, 0, {kFail}, "0", "1"},
                        CloseCase{"UntouchedIndeterminateStaysOn", 2, 2, {}, "1", "1"},
                        CloseCase{"ClickedIndeterminateClears", 0, 2, {kFail}, "0", "0"},
                        CloseCase{
                            "TwiceClickedIndeterminateChecks", 0, 2, {kFail, kFail}, "0", "1"},
                        CloseCase{"IndeterminateMouseClickedClears", 2, 0, {kMouse}, "0", "0"},
                        CloseCase{"SevenIsStoredAsOne", 7, 7, {}, "1", "1"}),
        testing::Values(Close::Button, Close::Window)),
    [](const testing::TestParamInfo<std::tuple<CloseCase, Close>>& param) {
      return std::string(std::get<0>(param.param).name) +
             (std::get<1>(param.param) == Close::Button ? "_Button" : "_Window");
    });

TEST_F(FrmSettingsTest, LoadSetsCaptionAndVersionThenRunsTheRuleAfterReadingBoth) {
  Load(1, 0);
  EXPECT_EQ(logging_.log, (std::vector<std::string>{"read SysFailScreen", "read MouseMove"}));
  EXPECT_EQ(port_.Calls(),
            (std::vector<std::string>{"SetCaption Quellar\xE2\x84\xA2 Screensaver by Tovenlab",
                                      "SetVersionText v2.0.0", "SetCheckState ChMouse 1",
                                      "SetCheckState ChFail 1", "SetEnabled ChFail 0"}));
}

TEST_F(FrmSettingsTest, CloseButtonStoresMouseMoveFirstThenClosesThenEnds) {
  Load(0, 1);
  logging_.log.clear();
  EXPECT_THROW(form_.cmdClose_Click(), ProcessEnd);
  EXPECT_EQ(logging_.log, (std::vector<std::string>{"write MouseMove", "write SysFailScreen"}));
  const std::vector<std::string>& calls = port_.Calls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], "CloseDialog");
  EXPECT_EQ(calls.back(), "EndProcess");
}

TEST_F(FrmSettingsTest, UncheckingMouseEnablesSkipAndLeavesItChecked) {
  Load(1, 0);
  form_.CheckBoxClicked(CheckBox::ChMouse);
  EXPECT_EQ(port_.CheckState(CheckBox::ChMouse), kUnchecked);
  EXPECT_EQ(port_.CheckState(CheckBox::ChFail), kChecked);
  EXPECT_TRUE(port_.Enabled(CheckBox::ChFail));
}

TEST_F(FrmSettingsTest, ClickingSkipRaisesNoRule) {
  Load(0, 0);
  const std::size_t before = port_.Calls().size();
  form_.CheckBoxClicked(CheckBox::ChFail);
  EXPECT_EQ(std::vector<std::string>(port_.Calls().begin() + static_cast<long>(before),
                                     port_.Calls().end()),
            std::vector<std::string>{"SetCheckState ChFail 1"});
}

TEST(SettingsTexts, CaptionVersionAndNotice) {
  EXPECT_EQ(SettingsCaption(), "Quellar\xE2\x84\xA2 Screensaver by Tovenlab");
  EXPECT_EQ(VersionText({2, 0, 0}), "v2.0.0");
  EXPECT_EQ(VersionText({10, 2, 31}), "v10.2.31");
  const std::string notice = settings_layout::kLegalNotice;
  // Code points: every byte but the continuation bytes of a UTF-8 sequence starts one.
  const auto codePoints = std::count_if(notice.begin(), notice.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
  });
  EXPECT_EQ(codePoints, 74);
  EXPECT_EQ(settings_layout::HotkeyText("|"),
            "Speed: faster: [+]; slower: [-]|Character chain length: shorter: [/]; longer: "
            "[*]|Random deleting ON/OFF: [ENTER]|Reset to defaults: [HOME]|Exit: [ESC] or "
            "[SPACE]");
}

TEST(CheckStateOf, MapsStoredTexts) {
  const std::vector<std::pair<std::string, std::int16_t>> cases{
      {"0", 0}, {"1", 1}, {"2", 2}, {"3", 1}, {"7", 1}, {"255", 1}, {"", 0}, {"x", 0}};
  for (const auto& [text, state] : cases) EXPECT_EQ(CheckStateOf(text), state) << text;
}

}  // namespace
}  // namespace quellar
