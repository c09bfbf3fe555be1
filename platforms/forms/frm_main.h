#pragma once
// frmMain, the rain window: its event handlers, written once for every platform. A platform
// delivers its window's events to them through FormEvents (frm_main_events.h).

#include <cstdint>

#include "engine/engine.h"
#include "platforms/monitors/monitor_run.h"

namespace quellar {

// The intervals the window's timers have from the start.
inline constexpr std::int32_t kTimer1DesignInterval = 41;
inline constexpr std::int32_t kTmrOsdInterval = 2000;

class FrmMain {
 public:
  // The window's two timers are the platform's. A tick goes to the whole run; input to the
  // primary monitor's engine, the only one of a preview or a guest.
  FrmMain(monitors::MonitorRun& run, Platform& platform)
      : run_(run), engine_(run.Primary()), platform_(platform) {}

  void Form_KeyDown(std::int16_t keyCode);
  void Form_MouseDown();
  void Form_DblClick();
  void Form_MouseMove();
  void Timer1_Timer();
  void tmrOSD_Timer();
  // The system asks the program to end (a termination signal): a full-screen run ends in order,
  // as a double click ends it; a preview, which took nothing from the desktop, simply ends.
  void EndRun();
  // Monitors were added, removed or rearranged (or may have been: the run looks again).
  void DisplayChanged() { run_.MonitorsChanged(); }

 private:
  monitors::MonitorRun& run_;
  engine::Engine& engine_;
  Platform& platform_;
  std::int32_t mouseMoveCount_ = 0;  // never reset while the window exists
};

}  // namespace quellar
