#pragma once
// A settings dialog without a toolkit: it keeps the boxes' states and flags (clear and enabled
// before the dialog loads) and its texts, and logs the closing calls in order.

#include <map>
#include <string>
#include <vector>

#include "platforms/forms/process_end.h"
#include "platforms/forms/settings_port.h"

namespace quellar::test {

struct FakeSettingsPort final : SettingsPort {
  std::int16_t CheckState(CheckBox box) override { return states[box]; }
  void SetCheckState(CheckBox box, std::int16_t state) override { states[box] = state; }
  void SetEnabled(CheckBox box, bool isEnabled) override { enabled[box] = isEnabled; }
  void SetCaption(const std::string& text) override { caption = text; }
  void SetVersionText(const std::string& text) override { versionText = text; }
  void CloseDialog() override { calls.push_back("CloseDialog"); }
  [[noreturn]] void EndProcess() override {
    calls.push_back("EndProcess");
    throw ProcessEnd{0};
  }

  std::map<CheckBox, std::int16_t> states{{CheckBox::ChMouse, 0}, {CheckBox::ChFail, 0}};
  std::map<CheckBox, bool> enabled{{CheckBox::ChMouse, true}, {CheckBox::ChFail, true}};
  std::string caption, versionText;
  std::vector<std::string> calls;
};

}  // namespace quellar::test
