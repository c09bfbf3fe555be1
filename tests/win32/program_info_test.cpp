#include "platforms/win32/program_info.h"

#include <gtest/gtest.h>

#include <utility>

namespace quellar::win32 {
namespace {

TEST(ArgumentsOf, DropTheProgramNameQuotedOrNotAndTheBlanksAfterIt) {
  for (const auto& [commandLine, arguments] : {
           std::pair{R"("C:\Program Files\Quellar.scr" /s)", "/s"},
           {R"(C:\WINDOWS\Quellar.scr /p 2690548)", "/p 2690548"},
           {R"("C:\a b\Quellar.scr"/c:1312)", "/c:1312"},
           {"Quellar.scr\t /S ", "/S "},
           {R"("C:\a b\Quellar.scr")", ""},
           {"Quellar.scr   ", ""},
           {"", ""},
           // An unclosed quote takes the whole line as the name.
           {R"("C:\a b\Quellar.scr /s)", ""},
       }) {
    EXPECT_EQ(ArgumentsOf(commandLine), arguments) << commandLine;
  }
}

TEST(SplitModulePath, GivesTheDirectoryAndTheNameWithoutItsExtension) {
  struct Case {
    const char* path;
    const char* directory;
    const char* baseName;
  };
  for (const auto& [path, directory, baseName] : {
           Case{R"(C:\WINDOWS\system32\Quellar.scr)", R"(C:\WINDOWS\system32)", "Quellar"},
           Case{R"(C:\Quellar.scr)", R"(C:\)", "Quellar"},
           Case{R"(D:\savers\my.saver.v2.scr)", R"(D:\savers)", "my.saver.v2"},
           Case{R"(C:\dir.with.dots\Quellar)", R"(C:\dir.with.dots)", "Quellar"},
           Case{R"(\\server\share\Quellar.exe)", R"(\\server\share)", "Quellar"},
       }) {
    const ModulePath parts = SplitModulePath(path);
    EXPECT_EQ(parts.directory, directory) << path;
    EXPECT_EQ(parts.baseName, baseName) << path;
  }
}

}  // namespace
}  // namespace quellar::win32
