#include "windows/win32/instance_mutex.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

// Paths that differ only in letter case name one file, so one program.
TEST(InstanceMutex, SeesAnotherHolderOfTheSameFileInAnyLetterCase) {
  const InstanceMutex first(R"(C:\test\InstanceMutex\Quellar.scr)");
  EXPECT_FALSE(first.OtherInstance());
  EXPECT_TRUE(InstanceMutex(R"(c:\TEST\instancemutex\QUELLAR.scr)").OtherInstance());
  EXPECT_FALSE(InstanceMutex(R"(C:\test\InstanceMutex\Other.scr)").OtherInstance());
}

}  // namespace
}  // namespace quellar::win32
