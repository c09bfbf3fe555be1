#pragma once
// Hands the window's events to frmMain's handlers; a repaint shows the back buffer again.

#include "engine/engine.h"
#include "windows/frm_main.h"
#include "windows/win32/window_events.h"

namespace quellar::win32 {

class FrmMainEvents final : public WindowEvents {
 public:
  FrmMainEvents(FrmMain& form, engine::Engine& engine) : form_(form), engine_(engine) {}

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
      form_.Timer1_Timer();
    } else {
      form_.tmrOSD_Timer();
    }
  }
  // Only the ticks draw; an uncovered window just gets the last frame again.
  void Paint() override {
    if (engine_.state.hdcBuffer != 0) engine_.Present();
  }

 private:
  FrmMain& form_;
  engine::Engine& engine_;
};

}  // namespace quellar::win32
