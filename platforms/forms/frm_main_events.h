#pragma once
// frmMain's handlers behind its window's events: what every toolkit, and the memory platform,
// attaches to the window.

#include "platforms/forms/form_events.h"
#include "platforms/forms/frm_main.h"

namespace quellar {

class FrmMainEvents final : public FormEvents {
 public:
  explicit FrmMainEvents(FrmMain& form) : form_(form) {}

  void KeyDown(std::int16_t keyCode) override { form_.Form_KeyDown(keyCode); }
  void MouseDown() override { form_.Form_MouseDown(); }
  void DblClick() override { form_.Form_DblClick(); }
  void MouseMove() override { form_.Form_MouseMove(); }
  void Timer(TimerId timer) override {
    if (timer == TimerId::Timer1) {
      form_.Timer1_Timer();
    } else {
      form_.tmrOSD_Timer();
    }
  }
  void DisplayChanged() override { form_.DisplayChanged(); }
  void EndRequested() override { form_.EndRun(); }

 private:
  FrmMain& form_;
};

}  // namespace quellar
