#include "platforms/win32/error_report.h"

#include <windows.h>

namespace quellar::win32 {

void ReportRuntimeError(const std::string& message) {
  const std::string line = "Quellar: run-time error: " + message + "\n";
  OutputDebugStringA(line.c_str());
  // A program of the windows subsystem has a standard error only when its starter passed one.
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  if (standardError == nullptr || standardError == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(standardError, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace quellar::win32
