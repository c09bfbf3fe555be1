#pragma once
// A dialog without a toolkit: it keeps the boxes' states and flags, and logs every call in the
// order made, as "SetCheckState ChMouse 1".

#include <map>
#include <string>
#include <vector>

#include "windows/process_end.h"
#include "windows/settings_port.h"

namespace quellar::test {

inline const char* NameOf(CheckBox box) {
  return box == CheckBox::ChMouse ? "ChMouse" : "ChFail";
}

class FakeSettingsPort final : public SettingsPort {
 public:
  std::int16_t CheckState(CheckBox box) override { return states_[box]; }
  void SetCheckState(CheckBox box, std::int16_t state) override {
    Log(std::string("SetCheckState ") + NameOf(box) + " " + std::to_string(state));
    states_[box] = state;
  }
  void SetEnabled(CheckBox box, bool enabled) override {
    Log(std::string("SetEnabled ") + NameOf(box) + " " + (enabled ? "1" : "0"));
    enabled_[box] = enabled;
  }
  void SetCaption(const std::string& caption) override {
    Log("SetCaption " + caption);
    caption_ = caption;
  }
  void SetVersionText(const std::string& text) override {
    Log("SetVersionText " + text);
    versionText_ = text;
  }
  void CloseDialog() override { Log("CloseDialog"); }
  [[noreturn]] void EndProcess() override {
    Log("EndProcess");
    throw ProcessEnd{0};
  }

  bool Enabled(CheckBox box) const { return enabled_.at(box); }
  const std::string& Caption() const { return caption_; }
  const std::string& VersionText() const { return versionText_; }
  const std::vector<std::string>& Calls() const { return calls_; }

 private:
  void Log(std::string call) { calls_.push_back(std::move(call)); }

  // A box is clear and enabled before the dialog loads.
  std::map<CheckBox, std::int16_t> states_{{CheckBox::ChMouse, 0}, {CheckBox::ChFail, 0}};
  std::map<CheckBox, bool> enabled_{{CheckBox::ChMouse, true}, {CheckBox::ChFail, true}};
  std::string caption_;
  std::string versionText_;
  std::vector<std::string> calls_;
};

}  // namespace quellar::test
