#include "platforms/win32/program_info.h"

#include <windows.h>

#include <algorithm>

namespace quellar::win32 {

namespace {
constexpr std::string_view kBlanks = " \t";
}  // namespace

// The program's name ends at the closing quote when it starts with one (it may hold spaces),
// otherwise at the first blank.
std::string_view ArgumentsOf(std::string_view commandLine) {
  std::size_t end = 0;
  if (commandLine.starts_with('"')) {
    end = commandLine.find('"', 1);
    end = end == std::string_view::npos ? commandLine.size() : end + 1;
  } else {
    end = std::min(commandLine.find_first_of(kBlanks), commandLine.size());
  }
  const std::string_view rest = commandLine.substr(end);
  return rest.substr(std::min(rest.find_first_not_of(kBlanks), rest.size()));
}

ModulePath SplitModulePath(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::string_view directory = path.substr(0, slash == std::string_view::npos ? 0 : slash);
  // "C:" alone would name the drive's current directory, not its root.
  if (directory.size() == 2 && directory[1] == ':') directory = path.substr(0, 3);
  const std::string_view name = path.substr(nameStart);
  return {std::string(directory), std::string(name.substr(0, name.rfind('.')))};
}

std::string ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: long paths exceed MAX_PATH
  }
}

ProgramInfo CurrentProgram() {
  const ModulePath module = SplitModulePath(ExecutablePath());
  return {module.directory, module.baseName, QUELLAR_VERSION_MAJOR, QUELLAR_VERSION_MINOR,
          QUELLAR_VERSION_PATCH};
}

}  // namespace quellar::win32
