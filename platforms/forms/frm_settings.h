#pragma once
// frmSettings, the settings dialog: its event handlers, written once for every toolkit. It edits
// MouseMove (end a run on pointer movement) and SysFailScreen (skip the failure screen); while
// the first is on, the second is forced on. Both are stored whenever the dialog unloads.

#include <cstdint>
#include <set>
#include <string>

#include "platforms/forms/settings_port.h"
#include "registry/registry_api.h"

namespace quellar {

struct ProgramVersion {
  std::int32_t major = 0;
  std::int32_t minor = 0;
  std::int32_t revision = 0;
};

// "Quellar™ Screensaver by Tovenlab" (UTF-8).
std::string SettingsCaption();
// "v2.0.0" for version 2.0.0.
std::string VersionText(const ProgramVersion& version);
// The state a stored check value shows: 0 and 2 as they are, any other number checked.
std::int16_t CheckStateOf(const std::string& storedText);

class FrmSettings {
 public:
  FrmSettings(SettingsPort& port, registry::RegistryApi& registry, ProgramVersion version)
      : port_(port), registry_(registry), version_(version) {}

  // Before the dialog is first shown.
  void Form_Load();
  // After every change of ChMouse's state, by the user or from code.
  void ChMouse_Click();
  void cmdClose_Click();
  // Stores both boxes; runs however the dialog is closed.
  void Form_Unload();

  // The user clicked an enabled check box: it turns from clear to checked, and from checked or
  // indeterminate to clear. Toolkits report the click before showing any change of their own.
  void CheckBoxClicked(CheckBox box);
  // Form_Unload, then the dialog goes; the window's own close ends here.
  void Unload();

 private:
  // Sets a box's state as code does: a change of ChMouse raises its click handler.
  void SetState(CheckBox box, std::int16_t state);
  std::int16_t StoredState(const char* valueName, CheckBox box);
  void Store(const char* valueName, CheckBox box);

  SettingsPort& port_;
  registry::RegistryApi& registry_;
  const ProgramVersion version_;
  // The boxes whose stored values could not be read (another process held the store's lock)
  // and that the user has not clicked since: closing leaves those values as they are stored
  // rather than write the defaults the boxes show. ChMouse's rule is no click on ChFail.
  std::set<CheckBox> unread_;
};

}  // namespace quellar
