#pragma once
// The previous-instance flag: a named mutex, derived from the executable's path, that every
// process of the program holds for its whole life.

#include <string>

#include "platforms/win32/win32_handles.h"

namespace quellar::win32 {

// The mutex name for an executable: paths that differ only in letter case name one file.
std::string InstanceMutexName(const std::string& executablePath);

class InstanceMutex {
 public:
  explicit InstanceMutex(const std::string& executablePath);

  // Another process of the same executable held the mutex when this one was made.
  bool OtherInstance() const { return otherInstance_; }

 private:
  UniqueKernelHandle mutex_;
  bool otherInstance_ = false;
};

}  // namespace quellar::win32
