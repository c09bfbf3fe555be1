#pragma once
// The screen-saver-running flag of a Wayland session (SystemParametersInfo actions 97 and 114):
// an exclusive lock on a file of the user's, named for the compositor's socket, held while a
// run covers the outputs. The kernel drops it however the run ends, so a run that died never
// refuses the next.

#include <string>

namespace quellar::wayland {

class SessionFlag {
 public:
  // For the session on the socket `displayName` ($WAYLAND_DISPLAY).
  explicit SessionFlag(std::string displayName);
  ~SessionFlag();
  SessionFlag(const SessionFlag&) = delete;
  SessionFlag& operator=(const SessionFlag&) = delete;

  void Set(bool running);
  // Whether a live run has set it, this one or another.
  bool IsSet() const;
  // The process of the run that holds it, as that run wrote it; 0 when none does.
  int Holder() const;

 private:
  const std::string name_;
  int held_ = -1;  // the locked file while this run has it set
};

}  // namespace quellar::wayland
