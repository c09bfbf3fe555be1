#pragma once
// What frmSettings asks of the toolkit that shows it: the states of its two check boxes, the
// caption and label texts, closing the dialog and ending the process. Each toolkit implements
// it over its own widgets and delivers the dialog's events to FrmSettings.

#include <cstdint>
#include <string>

namespace quellar {

enum class CheckBox { ChMouse, ChFail };

// Check-box states, as the toolkits' three-state boxes number them.
inline constexpr std::int16_t kUnchecked = 0;
inline constexpr std::int16_t kChecked = 1;
inline constexpr std::int16_t kGrayed = 2;  // indeterminate

class SettingsPort {
 public:
  virtual ~SettingsPort() = default;

  virtual std::int16_t CheckState(CheckBox box) = 0;
  // Shows `state` (0, 1 or 2) and raises no event of its own: FrmSettings raises the click
  // handler itself, so that every toolkit does so alike.
  virtual void SetCheckState(CheckBox box, std::int16_t state) = 0;
  virtual void SetEnabled(CheckBox box, bool enabled) = 0;
  // UTF-8 texts.
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetVersionText(const std::string& text) = 0;  // lblVersion
  // Takes the dialog off the screen; the modal show returns once the current event is done.
  virtual void CloseDialog() = 0;
  [[noreturn]] virtual void EndProcess() = 0;
};

}  // namespace quellar
