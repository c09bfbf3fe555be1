// The installation record comes from the executable's path and the command line from argv.

#include "windows/x11/program_info.h"

#include <gtest/gtest.h>

namespace quellar::x11 {
namespace {

TEST(ProgramInfoTest, DirectoryAndNameOfTheExecutable) {
  const struct {
    const char* executable;
    const char* directory;
    const char* name;
  } cases[] = {{"/usr/lib/quellar/quellar.scr", "/usr/lib/quellar", "quellar"},
               {"/quellar", "/", "quellar"},
               {"/opt/q/quellar.v2.bin", "/opt/q", "quellar.v2"}};
  for (const auto& test : cases) {
    const ProgramInfo info = DescribeProgram(test.executable);
    EXPECT_EQ(info.path, test.directory);
    EXPECT_EQ(info.exeName, test.name);
  }
  const char* argv[] = {"/usr/bin/quellar", "/p", "2690548"};
  EXPECT_EQ(JoinArguments(3, argv), "/p 2690548");
}

}  // namespace
}  // namespace quellar::x11
