#include "windows/win32/instance_mutex.h"

#include <gtest/gtest.h>

namespace quellar::win32 {
namespace {

TEST(InstanceMutexName, IgnoresLetterCaseAndHoldsNoBackslash) {
  const std::string name = InstanceMutexName(R"(C:\Windows\Quellar.scr)");
  EXPECT_EQ(name, InstanceMutexName(R"(c:\WINDOWS\quellar.SCR)"));
  EXPECT_NE(name, InstanceMutexName(R"(C:\Windows\Other.scr)"));
  EXPECT_EQ(name.find('\\'), std::string::npos);
}

TEST(InstanceMutex, SeesAnotherHolderOfTheSamePathOnly) {
  const std::string path = R"(C:\test\InstanceMutex\Quellar.scr)";
  const InstanceMutex first(path);
  EXPECT_FALSE(first.OtherInstance());
  EXPECT_TRUE(InstanceMutex(path).OtherInstance());
  EXPECT_FALSE(InstanceMutex(path + ".other").OtherInstance());
}

TEST(InstanceMutex, IsReleasedWithItsHolder) {
  const std::string path = R"(C:\test\InstanceMutexReleased\Quellar.scr)";
  { const InstanceMutex first(path); }
  EXPECT_FALSE(InstanceMutex(path).OtherInstance());
}

}  // namespace
}  // namespace quellar::win32
