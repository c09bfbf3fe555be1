// frmSettings over a dialog without a toolkit and a private store: what each stored pair
// shows, and what closing stores after some clicks, in which order, whichever way it closes.

#include "platforms/forms/frm_settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/engine.h"
#include "registry/mod_registry.h"
#include "registry/text_store.h"
#include "tests/settings/fake_settings_port.h"
#include "tests/store/text/string_slot.h"

namespace quellar {
namespace {

using Strings = std::vector<std::string>;
const CheckBox kMouse = CheckBox::ChMouse;
const CheckBox kFail = CheckBox::ChFail;

struct DialogCase {
  const char* name;
  std::optional<int> mouseMove, sysFailScreen;  // stored before
  std::int16_t chMouse, chFail;                 // shown after loading
  bool chFailEnabled;
  std::vector<CheckBox> clicks;
  const char* storedMouseMove;
  const char* storedSysFailScreen;
};

class Dialog : public testing::TestWithParam<std::tuple<DialogCase, bool>> {
 protected:
  std::string Stored(const char* name) {
    return modRegistry::GetSetting(store_, engine::kAppTitle, name, "none", "B");
  }

  registry::TextStore store_{
      std::make_unique<test::StringSlot>(std::make_shared<test::SlotState>())};
  test::FakeSettingsPort port_;
  FrmSettings form_{port_, store_, ProgramVersion{2, 0, 0}};
};

// SysFailScreen is read first, so that a stored MouseMove forces ChFail on whatever it held.
// Only the Close button ends the process, after the dialog has gone.
TEST_P(Dialog, ShowsTheStoredPairAndStoresWhatItShows) {
  const auto& [c, closeButton] = GetParam();
  modRegistry::SaveSetting(store_, engine::kAppTitle, "speed", "41", "B");  // the key exists
  for (const auto& [name, value] :
       {std::pair{"MouseMove", c.mouseMove}, {"SysFailScreen", c.sysFailScreen}}) {
    if (value)
      modRegistry::SaveSetting(store_, engine::kAppTitle, name, std::to_string(*value), "B");
  }
  form_.Form_Load();
  EXPECT_EQ(port_.states[kMouse], c.chMouse);
  EXPECT_EQ(port_.states[kFail], c.chFail);
  EXPECT_EQ(port_.enabled[kFail], c.chFailEnabled);
  EXPECT_EQ(port_.caption, "Quellar\xE2\x84\xA2 Screensaver by Tovenlab");
  EXPECT_EQ(port_.versionText, "v2.0.0");

  for (const CheckBox box : c.clicks) form_.CheckBoxClicked(box);
  EXPECT_EQ(port_.enabled[kFail], port_.states[kMouse] != kChecked);
  if (closeButton) {
    EXPECT_THROW(form_.cmdClose_Click(), ProcessEnd);
  } else {
    form_.Unload();
  }
  const Strings closing{"CloseDialog", "EndProcess"};
  EXPECT_EQ(port_.calls, Strings(closing.begin(), closing.begin() + (closeButton ? 2 : 1)));
  EXPECT_EQ(Stored("MouseMove"), c.storedMouseMove);
  EXPECT_EQ(Stored("SysFailScreen"), c.storedSysFailScreen);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, Dialog,
    testing::Combine(
        testing::Values(
            DialogCase{"NothingStored", {}, {}, 0, 0, true, {}, "0", "0"},
            DialogCase{"MouseMoveForcesSkip", 1, 0, 1, 1, false, {}, "1", "1"},
            DialogCase{"SkipAlone", 0, 1, 0, 1, true, {}, "0", "1"},
            DialogCase{"SkipOnlyClicked", 0, 0, 0, 0, true, {kFail}, "0", "1"},
            DialogCase{"ClearedMouseFreesSkip", 1, {}, 1, 1, false, {kMouse, kFail}, "0", "0"},
            DialogCase{
                "CheckedAndClearedMouseKeepsSkip", 0, 0, 0, 0, true, {kMouse, kMouse}, "0", "1"},
            DialogCase{"TwoIsIndeterminate", 0, 2, 0, 2, true, {}, "0", "1"},
            DialogCase{"ClickedIndeterminateClears", 0, 2, 0, 2, true, {kFail}, "0", "0"},
            DialogCase{"IndeterminateMouseForcesNothing", 2, 0, 2, 0, true, {}, "1", "0"},
            DialogCase{"SevenIsChecked", 7, 7, 1, 1, false, {}, "1", "1"},
            DialogCase{"LargestByteIsChecked", 0, 255, 0, 1, true, {}, "0", "1"}),
        testing::Bool()),
    [](const auto& param) {
      return std::string(std::get<0>(param.param).name) +
             (std::get<1>(param.param) ? "_Button" : "_Window");
    });

}  // namespace
}  // namespace quellar
