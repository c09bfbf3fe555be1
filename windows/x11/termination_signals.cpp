#include "windows/x11/termination_signals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quellar::x11 {
namespace {

sigset_t TerminationSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}

}  // namespace

TerminationSignals::TerminationSignals() {
  const sigset_t set = TerminationSet();
  sigprocmask(SIG_BLOCK, &set, &previousMask_);
  descriptor_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (descriptor_ < 0) {
    const std::string reason = std::strerror(errno);
    sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
    throw std::runtime_error("cannot watch for termination signals: " + reason);
  }
}

// A signal that came while the process was already ending in order (or that closed a dialog,
// which only watches the descriptor) is taken here: unblocked, it would kill the process.
TerminationSignals::~TerminationSignals() {
  Take();
  close(descriptor_);
  sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
}

bool TerminationSignals::Take() {
  signalfd_siginfo info{};
  bool arrived = false;
  while (read(descriptor_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    arrived = true;
  }
  return arrived;
}

}  // namespace quellar::x11
