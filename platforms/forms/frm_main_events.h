#pragma once
// frmMain's handlers behind its window's events: what every toolkit, and the memory platform,
// attaches to the window.

#include <functional>

#include "platforms/forms/form_events.h"
#include "platforms/forms/frm_main.h"

namespace quellar {

class FrmMainEvents final : public FormEvents {
 public:
  // How the toolkit runs a tick: Timer1's handler inside the window's tick scope, which keeps
  // nothing the tick overwrites (it presents all it draws); none: the handler as it is.
  using TickRunner = std::function<void(const std::function<void()>& tick)>;

  explicit FrmMainEvents(FrmMain& form, TickRunner runTick = {})
      : form_(form), runTick_(std::move(runTick)) {}

  void KeyDown(std::int16_t keyCode) override { form_.Form_KeyDown(keyCode); }
  void MouseDown() override { form_.Form_MouseDown(); }
  void DblClick() override { form_.Form_DblClick(); }
  void MouseMove() override { form_.Form_MouseMove(); }
  void Timer(TimerId timer) override {
    if (timer != TimerId::Timer1) {
      form_.tmrOSD_Timer();
    } else if (runTick_) {
      runTick_([this] { form_.Timer1_Timer(); });
    } else {
      form_.Timer1_Timer();
    }
  }
  void DisplayChanged() override { form_.DisplayChanged(); }
  void EndRequested() override { form_.EndRun(); }

 private:
  FrmMain& form_;
  TickRunner runTick_;
};

}  // namespace quellar
