#pragma once
// The signals a run reads as a loop reads events: while this object lives they are blocked and
// arrive on a descriptor, so a run can end in order (pointer, flag, settings) on the loop's own
// thread instead of dying wherever the signal struck, and a dialog can close as its window's
// close does (GTK's loop watches the descriptor). SIGTERM, SIGINT and SIGHUP end a run. SIGUSR1
// is a guest's only: xsecurelock sends it to ask for a fresh start when its password prompt
// closes; elsewhere it keeps its default action, the end of the process.

#include <signal.h>

namespace quellar::desktop {

// Whether SIGUSR1 asks for a fresh start or is left alone.
enum class FreshStartSignal { kWatched, kLeftAlone };

// What the signals that have arrived ask for; an end outranks a fresh start.
enum class SignalRequest { kNothing, kFreshStart, kEnd };

class RunSignals {
 public:
  explicit RunSignals(FreshStartSignal freshStart);
  ~RunSignals();
  RunSignals(const RunSignals&) = delete;
  RunSignals& operator=(const RunSignals&) = delete;

  // Readable when a signal is pending.
  int Descriptor() const { return descriptor_; }
  // Takes every signal that has arrived.
  SignalRequest Take();

 private:
  sigset_t previousMask_{};
  int descriptor_ = -1;
};

}  // namespace quellar::desktop
