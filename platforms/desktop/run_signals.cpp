#include "platforms/desktop/run_signals.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quellar::desktop {
namespace {

sigset_t WatchedSet(FreshStartSignal freshStart) {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  if (freshStart == FreshStartSignal::kWatched) sigaddset(&set, SIGUSR1);
  return set;
}

}  // namespace

RunSignals::RunSignals(FreshStartSignal freshStart) {
  const sigset_t set = WatchedSet(freshStart);
  sigprocmask(SIG_BLOCK, &set, &previousMask_);
  descriptor_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (descriptor_ < 0) {
    const std::string reason = std::strerror(errno);
    sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
    throw std::runtime_error("cannot watch for signals: " + reason);
  }
}

// A signal that came while the process was already ending in order (or that closed a dialog,
// which only watches the descriptor) is taken here: unblocked, it would kill the process.
RunSignals::~RunSignals() {
  Take();
  close(descriptor_);
  sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
}

SignalRequest RunSignals::Take() {
  signalfd_siginfo info{};
  SignalRequest request = SignalRequest::kNothing;
  while (read(descriptor_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    const SignalRequest asked =
        info.ssi_signo == SIGUSR1 ? SignalRequest::kFreshStart : SignalRequest::kEnd;
    request = std::max(request, asked);
  }
  return request;
}

}  // namespace quellar::desktop
