#include "platforms/win32/instance_lock.h"

#include <cstdint>
#include <cstdio>

namespace quellar::win32 {

// A mutex name may hold no backslash and is limited in length, so the path is hashed
// (64-bit FNV-1a over its upper-case form).
std::string InstanceMutexName(const std::string& executablePath) {
  std::string upper = executablePath;
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : upper) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char name[40];
  std::snprintf(name, sizeof name, "Quellar.Instance.%016llx",
                static_cast<unsigned long long>(hash));
  return name;
}

InstanceMutex::InstanceMutex(const std::string& executablePath)
    : mutex_(CreateMutexA(nullptr, FALSE, InstanceMutexName(executablePath).c_str())) {
  otherInstance_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace quellar::win32
