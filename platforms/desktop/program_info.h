#pragma once
// What the process knows about itself: its command line and its executable.

#include <string>

#include "engine/platform.h"

namespace quellar::desktop {

// The arguments after the program's own name, joined with single spaces.
std::string JoinArguments(int argc, const char* const* argv);

// Directory (no trailing slash; "/" stays), file name without its extension, title and
// version of the executable at `executablePath`.
ProgramInfo DescribeProgram(const std::string& executablePath);

// The running executable's path.
std::string ExecutablePath();

// The build's version, "major.minor.patch".
std::string VersionNumber();

}  // namespace quellar::desktop
