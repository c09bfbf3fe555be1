#pragma once
// Reports a run-time error that ended the program: one line to the debugger and, when the
// process has one, to its standard error.

#include <string>

namespace quellar::win32 {

void ReportRuntimeError(const std::string& message);

}  // namespace quellar::win32
