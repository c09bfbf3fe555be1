#include "platforms/forms/frm_settings.h"

#include <optional>

#include "base/conversions.h"
#include "engine/engine.h"
#include "registry/mod_registry.h"

namespace quellar {
namespace {

constexpr const char* kMouseMove = "MouseMove";
constexpr const char* kSysFailScreen = "SysFailScreen";
constexpr const char* kByte = "B";

// The dialog writes only 0 or 1. An indeterminate box the user left alone was stored as some
// other non-zero number, which runs read as on; storing 1 keeps them that way.
std::int16_t StoredValueOf(std::int16_t state) {
  return state == kUnchecked ? 0 : 1;
}

}  // namespace

std::string SettingsCaption() {
  return "Quellar\u2122 Screensaver by Tovenlab";
}

std::string VersionText(const ProgramVersion& version) {
  std::string text = "v";
  text.append(std::to_string(version.major)).append(".");
  text.append(std::to_string(version.minor)).append(".");
  return text.append(std::to_string(version.revision));
}

// The store holds single bytes, so the text is 0 to 255 unless a default stands in; a value
// the boxes have no state for shows as checked, as runs read it.
std::int16_t CheckStateOf(const std::string& storedText) {
  const std::optional<std::int16_t> value = TextToInt16(storedText);
  if (!value || *value == kUnchecked) return kUnchecked;
  return *value == kGrayed ? kGrayed : kChecked;
}

void FrmSettings::Form_Load() {
  port_.SetCaption(SettingsCaption());
  port_.SetVersionText(VersionText(version_));
  SetState(CheckBox::ChFail, StoredState(kSysFailScreen, CheckBox::ChFail));
  // When MouseMove is on, its click rule runs here and overrides SysFailScreen.
  SetState(CheckBox::ChMouse, StoredState(kMouseMove, CheckBox::ChMouse));
}

void FrmSettings::ChMouse_Click() {
  if (port_.CheckState(CheckBox::ChMouse) == kChecked) {
    SetState(CheckBox::ChFail, kChecked);
    port_.SetEnabled(CheckBox::ChFail, false);
  } else {
    port_.SetEnabled(CheckBox::ChFail, true);
  }
}

void FrmSettings::cmdClose_Click() {
  Unload();
  port_.EndProcess();
}

void FrmSettings::Form_Unload() {
  Store(kMouseMove, CheckBox::ChMouse);
  Store(kSysFailScreen, CheckBox::ChFail);
}

void FrmSettings::CheckBoxClicked(CheckBox box) {
  unread_.erase(box);
  SetState(box, port_.CheckState(box) == kUnchecked ? kChecked : kUnchecked);
}

void FrmSettings::Unload() {
  Form_Unload();
  port_.CloseDialog();
}

void FrmSettings::SetState(CheckBox box, std::int16_t state) {
  if (port_.CheckState(box) == state) return;
  port_.SetCheckState(box, state);
  if (box == CheckBox::ChMouse) ChMouse_Click();
}

std::int16_t FrmSettings::StoredState(const char* valueName, CheckBox box) {
  const modRegistry::SettingRead read =
      modRegistry::ReadSetting(registry_, engine::kAppTitle, valueName, "0", kByte);
  if (!read.answered) unread_.insert(box);
  return CheckStateOf(read.text);
}

void FrmSettings::Store(const char* valueName, CheckBox box) {
  if (unread_.contains(box)) return;
  const std::int16_t value = StoredValueOf(port_.CheckState(box));
  modRegistry::SaveSetting(registry_, engine::kAppTitle, valueName, std::to_string(value), kByte);
}

}  // namespace quellar
