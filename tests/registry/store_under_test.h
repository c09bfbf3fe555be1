#pragma once
// The store the shared registry cases run against: an empty SQLite database natively, the system
// registry under Wine. Each test gets its own; what a test leaves in it is removed at the end.

#include <memory>
#include <string>

#include "registry/registry_api.h"

namespace quellar::test {

class StoreUnderTest {
 public:
  StoreUnderTest();
  ~StoreUnderTest();
  StoreUnderTest(const StoreUnderTest&) = delete;
  StoreUnderTest& operator=(const StoreUnderTest&) = delete;

  registry::RegistryApi& Api() { return *api_; }
  // An application title no other run uses, so tests never meet the program's own settings.
  const std::string& AppTitle() const { return appTitle_; }
  // The machine key SaveSetting writes for AppTitle().
  std::string KeyPath() const { return "SOFTWARE\\Tovenlab\\" + appTitle_; }

 private:
  std::unique_ptr<registry::RegistryApi> api_;
  std::string appTitle_;
};

}  // namespace quellar::test
