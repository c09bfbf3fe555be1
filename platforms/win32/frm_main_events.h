#pragma once
// Hands the window's events to frmMain's handlers; a repaint shows the last presented frame
// again.

#include "platforms/forms/frm_main.h"
#include "platforms/win32/win32_platform.h"
#include "platforms/win32/window_events.h"

namespace quellar::win32 {

class FrmMainEvents final : public WindowEvents {
 public:
  FrmMainEvents(FrmMain& form, Win32Platform& platform) : form_(form), platform_(platform) {}

  void KeyDown(std::int16_t keyCode, std::int16_t shift) override {
    form_.Form_KeyDown(keyCode, shift);
  }
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override {
    form_.Form_MouseDown(button, shift, x, y);
  }
  void DblClick() override { form_.Form_DblClick(); }
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
    form_.Form_MouseMove(button, shift, x, y);
  }
  void Timer(TimerId timer) override {
    if (timer == TimerId::Timer1) {
      platform_.DuringTick([this] { form_.Timer1_Timer(); });
    } else {
      form_.tmrOSD_Timer();
    }
  }
  void Paint() override { platform_.Repaint(); }
  void DisplayChanged() override { form_.DisplayChanged(); }

 private:
  FrmMain& form_;
  Win32Platform& platform_;
};

}  // namespace quellar::win32
