#include <windows.h>

#include "registry/win32/win32_store.h"
#include "tests/registry/store_support.h"

namespace quellar::test {
namespace {

// Removes `path` and then each parent it leaves empty, below `kept`. A parent that still holds
// keys of others refuses to go.
void RemoveKeyAndEmptyParents(HKEY root, std::string path, const std::string& kept) {
  RegDeleteTreeA(root, path.c_str());
  for (path.resize(path.rfind('\\')); path.size() > kept.size(); path.resize(path.rfind('\\'))) {
    if (RegDeleteKeyA(root, path.c_str()) != ERROR_SUCCESS) return;
  }
}

// The places a test may write: the machine key, the same path under the user's key, and the
// user's virtual-store copy of the machine key.
void RemoveTestKeys(const std::string& keyPath) {
  RemoveKeyAndEmptyParents(HKEY_LOCAL_MACHINE, keyPath, "SOFTWARE");
  RemoveKeyAndEmptyParents(HKEY_CURRENT_USER, keyPath, "SOFTWARE");
  const std::string copies = "Software\\Classes\\VirtualStore";
  RemoveKeyAndEmptyParents(HKEY_CURRENT_USER, copies + "\\MACHINE\\" + keyPath, copies);
}

}  // namespace

// The process id keeps test keys of runs at the same time apart; keys a crashed earlier run of
// the same id left behind are removed first.
StoreUnderTest::StoreUnderTest()
    : api(std::make_unique<registry::Win32Store>()),
      title("QuellarTest" + std::to_string(GetCurrentProcessId())) {
  RemoveTestKeys(keyPath);
}

StoreUnderTest::~StoreUnderTest() {
  RemoveTestKeys(keyPath);
}

}  // namespace quellar::test
