#include "platforms/forms/frm_main.h"

#include "engine/virtual_keys.h"

namespace quellar {

using engine::kRunFullScreen;

void FrmMain::Form_KeyDown(std::int16_t keyCode) {
  engine_.HandleKey(keyCode);
  run_.FollowSettings();
}

// A mouse button acts as Escape.
void FrmMain::Form_MouseDown() {
  if (engine_.state.runMode != kRunFullScreen) return;
  engine_.HandleKey(engine::kKeyEscape);
}

void FrmMain::Form_DblClick() {
  if (engine_.state.runMode == kRunFullScreen) engine_.Shutdown();
}

// The first seven movements are only counted; the eighth ends the run.
void FrmMain::Form_MouseMove() {
  if (engine_.state.runMode != kRunFullScreen || engine_.state.closeOnMouseMove == 0) return;
  if (mouseMoveCount_ <= 6) {
    ++mouseMoveCount_;
  } else {
    engine_.Shutdown();
  }
}

void FrmMain::Timer1_Timer() {
  run_.Tick();
}

void FrmMain::EndRun() {
  if (engine_.state.runMode == kRunFullScreen) engine_.Shutdown();
  platform_.EndProcess();
}

void FrmMain::tmrOSD_Timer() {
  platform_.SetTimerEnabled(TimerId::tmrOSD, false);
  engine_.ClearOsd();
}

}  // namespace quellar
