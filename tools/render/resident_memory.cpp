#include "tools/render/resident_memory.h"

#include <unistd.h>

#include <fstream>

namespace quellar::render {

// /proc/self/statm holds the program's size and its resident part, in pages.
std::optional<std::int64_t> ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t size = 0;
  std::int64_t residentPages = 0;
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (!(statm >> size >> residentPages) || pageSize <= 0) return std::nullopt;
  return residentPages * (pageSize / 1024);
}

}  // namespace quellar::render
