#pragma once
// frmMain, the rain window: its event handlers, written once for every platform. A platform
// turns its native events into these calls, with Windows' meanings (virtual-key codes, button
// presses, a double click in place of the second press).

#include <cstdint>

#include "engine/engine.h"

namespace quellar {

class FrmMain {
 public:
  explicit FrmMain(engine::Engine& engine) : engine_(engine) {}

  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
  void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void Form_DblClick();
  void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void Timer1_Timer();
  void tmrOSD_Timer();

 private:
  engine::Engine& engine_;
  std::int32_t mouseMoveCount_ = 0;  // never reset while the window exists
};

}  // namespace quellar
