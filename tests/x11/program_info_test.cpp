// The installation record comes from the executable's path and the command line from argv.

#include "windows/x11/program_info.h"

#include <gtest/gtest.h>

namespace quellar::x11 {
namespace {

TEST(ProgramInfoTest, DirectoryWithoutTrailingSlashAndNameWithoutExtension) {
  const ProgramInfo info = DescribeProgram("/usr/lib/quellar/quellar.scr");
  EXPECT_EQ(info.path, "/usr/lib/quellar");
  EXPECT_EQ(info.exeName, "quellar");
  EXPECT_EQ(info.title, "QuellarScreensaver");
  EXPECT_EQ(info.versionMajor, 2);
  EXPECT_EQ(info.versionMinor, 0);
  EXPECT_EQ(info.versionRevision, 0);
}

TEST(ProgramInfoTest, TheRootDirectoryKeepsItsSlash) {
  const ProgramInfo info = DescribeProgram("/quellar");
  EXPECT_EQ(info.path, "/");
  EXPECT_EQ(info.exeName, "quellar");
}

TEST(ProgramInfoTest, OnlyTheLastExtensionGoes) {
  EXPECT_EQ(DescribeProgram("/opt/q/quellar.v2.bin").exeName, "quellar.v2");
}

TEST(JoinArgumentsTest, ArgumentsAfterTheProgramJoinWithSingleSpaces) {
  const char* argv[] = {"/usr/bin/quellar", "/p", "2690548"};
  EXPECT_EQ(JoinArguments(3, argv), "/p 2690548");
  EXPECT_EQ(JoinArguments(1, argv), "");
}

}  // namespace
}  // namespace quellar::x11
