// The entry point of Quellar.scr: runs Main, then the message loop until the run ends, and
// gives the desktop back however it ended.

#include <windows.h>

#include <random>

#include "engine/engine.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/frm_main_events.h"
#include "platforms/win32/dpi.h"
#include "platforms/win32/error_report.h"
#include "platforms/win32/run_end.h"
#include "platforms/win32/win32_platform.h"

namespace {

void RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int Run(HINSTANCE instance) {
  using namespace quellar;
  win32::RunEnd runEnd;
  {
    win32::Win32Platform platform(instance, runEnd);
    monitors::MonitorRun run(platform, platform, std::random_device{}());
    FrmMain form(run, platform);
    FrmMainEvents events(form, platform.TickRunner());
    platform.Attach(events);
    runEnd.Guard([&] { run.Main(); });
    // Main returns with no run for the dialog, the notice and unknown switches.
    if (!runEnd.Ended() && run.Primary().state.runMode != engine::kRunNone) RunMessageLoop();
    platform.RestoreDesktop();
  }
  if (!runEnd.Error().empty()) win32::ReportRuntimeError(runEnd.Error());
  return runEnd.ExitCode();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  // The manifest says so too; this also covers a copy run without its resources.
  quellar::win32::DeclareDpiAwareness();
  return Run(instance);
}
