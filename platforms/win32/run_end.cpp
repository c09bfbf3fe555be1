#include "platforms/win32/run_end.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "platforms/forms/process_end.h"

namespace quellar::win32 {

namespace {
constexpr int kFailureExitCode = 1;
}  // namespace

void RunEnd::End(int exitCode, std::string error) noexcept {
  if (ended_) return;
  ended_ = true;
  exitCode_ = exitCode;
  error_ = std::move(error);
  PostQuitMessage(exitCode);
}

void RunEnd::EndByCurrentException() noexcept {
  try {
    throw;
  } catch (const ProcessEnd& end) {
    End(end.exitCode);
  } catch (const std::exception& error) {
    End(kFailureExitCode, error.what());
  } catch (...) {
    End(kFailureExitCode, "unknown error");
  }
}

}  // namespace quellar::win32
