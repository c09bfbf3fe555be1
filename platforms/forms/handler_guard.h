#pragma once
// Runs frmSettings' handlers from a toolkit's callbacks, which no exception may cross: the first
// failure is kept (ProcessEnd from the Close button is one), later events are ignored, and the
// dialog's loop rethrows it once the toolkit has returned.

#include <exception>
#include <utility>

namespace quellar {

class HandlerGuard {
 public:
  // False when the handler threw: the caller closes the dialog.
  template <typename Handler>
  bool Run(Handler&& handler) noexcept {
    if (failure_) return false;
    try {
      handler();
      return true;
    } catch (...) {
      failure_ = std::current_exception();
      return false;
    }
  }

  void RethrowFailure() {
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  }

 private:
  std::exception_ptr failure_;
};

}  // namespace quellar
