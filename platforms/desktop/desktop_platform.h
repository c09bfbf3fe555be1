#pragma once
// What the port does alike on every Linux desktop, whatever shows the windows: the command line
// and what the program knows of itself, the previous-instance lock, the run's signals, the timers
// on the monotonic clock, the settings in the SQLite store, the notice and the settings dialog
// from the dialogs module (GTK, which finds the display itself), and the device contexts and
// bitmaps of the soft GDI. A toolkit's platform adds its windows and owns the soft GDI, whose
// bitmaps may live on its connection and so must go before it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/platform.h"
#include "platforms/desktop/dialogs_loader.h"
#include "platforms/desktop/instance_lock.h"
#include "platforms/desktop/run_signals.h"
#include "platforms/softgdi/soft_gdi.h"
#include "platforms/timers/form_timers.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::desktop {

// Whether a run takes the previous-instance lock: a guest of a screen-saver host does not.
enum class InstanceCheck { kTaken, kNotTaken };

class DesktopPlatform : public Platform {
 public:
  // Retries the settings writes that missed another process's lock; for when the windows are
  // gone.
  void FinishStore();

  std::string CommandLine() override { return commandLine_; }
  ProgramInfo Program() override { return program_; }
  bool PrevInstance() override { return instanceLock_.OtherInstance(); }
  [[noreturn]] void EndProcess() override;
  std::uint64_t ClockReading() override;
  void ShowMessageBox(const std::string& text, std::uint32_t flags,
                      const std::string& caption) override;
  registry::RegistryApi& Registry() override;

  void SetTimerInterval(TimerId timer, std::int32_t milliseconds) override;
  std::int32_t TimerInterval(TimerId timer) override { return timers_.Interval(timer); }
  void SetTimerEnabled(TimerId timer, bool enabled) override;

  // Raises a NoDisplayError when the dialogs module finds no display to show it on.
  void ShowSettingsDialog() override;

  Handle CreateCompatibleDC(Handle dc) override { return Gdi().CreateCompatibleDC(dc); }
  Handle SelectObject(Handle dc, Handle object) override { return Gdi().SelectObject(dc, object); }
  bool DeleteDC(Handle dc) override { return Gdi().DeleteDC(dc); }
  Handle LoadBitmapResource(std::int16_t id) override;
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop) override {
    return Gdi().BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
  }

 protected:
  DesktopPlatform(std::string commandLine, FreshStartSignal freshStart, InstanceCheck instances);

  virtual softgdi::SoftGdi& Gdi() = 0;
  // Why no display could be opened, for the dialog that found none.
  virtual std::string NoDisplayMessage() const = 0;

  RunSignals& Signals() { return signals_; }
  FormTimers& Timers() { return timers_; }
  // frmMain's design: both timers disabled, at their design intervals.
  void ResetTimers();

 private:
  // The dialogs module, loaded at first use.
  const gtk::DialogsApi& Dialogs();

  // First: a signal during start-up waits for the loop instead of killing the process half-way.
  RunSignals signals_;
  const std::string commandLine_;
  const ProgramInfo program_;
  const InstanceLock instanceLock_;
  std::unique_ptr<registry::SqliteStore> registry_;  // opened at first use
  std::optional<DialogsModule> dialogs_;             // loaded at first use
  FormTimers timers_;
};

// Settings writes that missed another process's lock are retried once the run is over, however
// the program ends.
class FinishStoreAtEnd {
 public:
  explicit FinishStoreAtEnd(DesktopPlatform& platform) : platform_(platform) {}
  ~FinishStoreAtEnd() { platform_.FinishStore(); }
  FinishStoreAtEnd(const FinishStoreAtEnd&) = delete;
  FinishStoreAtEnd& operator=(const FinishStoreAtEnd&) = delete;

 private:
  DesktopPlatform& platform_;
};

}  // namespace quellar::desktop
