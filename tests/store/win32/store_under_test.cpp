#include <windows.h>

#include "registry/win32/win32_store.h"
#include "tests/store/store_support.h"

namespace quellar::test {
namespace {

// The places a test may write: the machine key, the same path under the user's key, and the
// user's virtual-store copy of the machine key.
void RemoveTestKeys(const std::string& keyPath) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath.c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, keyPath.c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER,
                 ("Software\\Classes\\VirtualStore\\MACHINE\\" + keyPath).c_str());
}

}  // namespace

// The process id keeps test keys of runs at the same time apart; keys a crashed earlier run of
// the same id left behind are removed first. The Tovenlab keys above them stay.
StoreUnderTest::StoreUnderTest()
    : api(std::make_unique<registry::Win32Store>()),
      title("QuellarTest" + std::to_string(GetCurrentProcessId())) {
  RemoveTestKeys(keyPath);
}

StoreUnderTest::~StoreUnderTest() {
  RemoveTestKeys(keyPath);
}

}  // namespace quellar::test
