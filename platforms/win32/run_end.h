#pragma once
// How a run ends. Every handler runs inside Guard, so no exception ever crosses the window
// procedure: an end of the process or an uncaught error becomes a recorded end and a quit
// message, and the entry point unwinds in order from the message loop.

#include <string>

namespace quellar::win32 {

class RunEnd {
 public:
  template <typename Handler>
  void Guard(Handler&& handler) noexcept {
    try {
      handler();
    } catch (...) {
      EndByCurrentException();
    }
  }

  // The first end wins: a window destroyed on the way out of a failed run keeps the failure.
  void End(int exitCode, std::string error = {}) noexcept;

  bool Ended() const { return ended_; }
  int ExitCode() const { return exitCode_; }
  const std::string& Error() const { return error_; }

 private:
  void EndByCurrentException() noexcept;

  bool ended_ = false;
  int exitCode_ = 0;
  std::string error_;
};

}  // namespace quellar::win32
