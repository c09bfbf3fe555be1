#include "platforms/desktop/program_info.h"

#include <filesystem>
#include <system_error>

namespace quellar::desktop {

std::string JoinArguments(int argc, const char* const* argv) {
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += argv[i];
  }
  return joined;
}

ProgramInfo DescribeProgram(const std::string& executablePath) {
  const std::filesystem::path path(executablePath);
  ProgramInfo info;
  info.path = path.parent_path().string();
  info.exeName = path.stem().string();
  info.versionMajor = QUELLAR_VERSION_MAJOR;
  info.versionMinor = QUELLAR_VERSION_MINOR;
  info.versionRevision = QUELLAR_VERSION_PATCH;
  return info;
}

std::string ExecutablePath() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::string VersionNumber() {
  return std::to_string(QUELLAR_VERSION_MAJOR) + "." + std::to_string(QUELLAR_VERSION_MINOR) + "." +
         std::to_string(QUELLAR_VERSION_PATCH);
}

}  // namespace quellar::desktop
