#pragma once
// What the process knows about itself: its arguments and where its executable lives.

#include <string>
#include <string_view>

#include "engine/platform.h"

namespace quellar::win32 {

// The arguments of a full command line: what follows the program's own name, which may be
// quoted, without the blanks that separate it.
std::string_view ArgumentsOf(std::string_view commandLine);

struct ModulePath {
  std::string directory;  // without a trailing backslash; a drive's root keeps it
  std::string baseName;   // the file name without its extension
};
ModulePath SplitModulePath(std::string_view path);

// The full path of the running executable.
std::string ExecutablePath();

// Directory, name, title and version of the running program.
ProgramInfo CurrentProgram();

}  // namespace quellar::win32
