#pragma once
// SIGTERM, SIGINT and SIGHUP as something a loop reads: while this object lives they are
// blocked and arrive on a descriptor, so a run can end in order (pointer, flag, settings) on the
// loop's own thread instead of dying wherever the signal struck, and a dialog can close as its
// window's close does (GTK's loop watches the descriptor).

#include <signal.h>

namespace quellar::x11 {

class TerminationSignals {
 public:
  TerminationSignals();
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // Readable when a signal is pending.
  int Descriptor() const { return descriptor_; }
  // True when a termination signal had arrived; takes it.
  bool Take();

 private:
  sigset_t previousMask_{};
  int descriptor_ = -1;
};

}  // namespace quellar::x11
