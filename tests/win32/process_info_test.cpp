#include "windows/win32/process_info.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

TEST(ArgumentsOf, DropsTheProgramNameQuotedOrNot) {
  EXPECT_EQ(ArgumentsOf(R"("C:\Program Files\Quellar.scr" /s)"), "/s");
  EXPECT_EQ(ArgumentsOf(R"(C:\WINDOWS\Quellar.scr /p 2690548)"), "/p 2690548");
  EXPECT_EQ(ArgumentsOf(R"("C:\a b\Quellar.scr"/c:1312)"), "/c:1312");
  EXPECT_EQ(ArgumentsOf("Quellar.scr\t /S "), "/S ");
}

TEST(ArgumentsOf, IsEmptyWithoutArguments) {
  EXPECT_EQ(ArgumentsOf(R"("C:\a b\Quellar.scr")"), "");
  EXPECT_EQ(ArgumentsOf("Quellar.scr"), "");
  EXPECT_EQ(ArgumentsOf("Quellar.scr   "), "");
  EXPECT_EQ(ArgumentsOf(""), "");
}

TEST(ArgumentsOf, UnclosedQuoteTakesTheWholeLineAsTheName) {
  EXPECT_EQ(ArgumentsOf(R"("C:\a b\Quellar.scr /s)"), "");
}

struct SplitCase {
  const char* path;
  const char* directory;
  const char* baseName;
};

class SplitModulePathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitModulePathTest, GivesDirectoryAndNameWithoutExtension) {
  const ModulePath parts = SplitModulePath(GetParam().path);
  EXPECT_EQ(parts.directory, GetParam().directory);
  EXPECT_EQ(parts.baseName, GetParam().baseName);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitModulePathTest,
    ::testing::Values(SplitCase{R"(C:\WINDOWS\system32\Quellar.scr)", R"(C:\WINDOWS\system32)",
                                "Quellar"},
                      SplitCase{R"(C:\Quellar.scr)", R"(C:\)", "Quellar"},
                      SplitCase{R"(D:\savers\my.saver.v2.scr)", R"(D:\savers)", "my.saver.v2"},
                      SplitCase{R"(C:\dir.with.dots\Quellar)", R"(C:\dir.with.dots)", "Quellar"},
                      SplitCase{R"(\\server\share\Quellar.exe)", R"(\\server\share)", "Quellar"}));

TEST(CurrentProgram, DescribesThisExecutable) {
  const ProgramInfo program = CurrentProgram();
  EXPECT_EQ(program.exeName, "quellar_win32_tests");
  ASSERT_FALSE(program.path.empty());
  EXPECT_NE(program.path.back(), '\\');
  EXPECT_EQ(program.title, "QuellarScreensaver");
  EXPECT_EQ(program.versionMajor, 2);
  EXPECT_EQ(program.versionMinor, 0);
  EXPECT_EQ(program.versionRevision, 0);
}

}  // namespace
}  // namespace quellar::win32
