#include "tests/registry/store_under_test.h"

#include "registry/sqlite/sqlite_store.h"

namespace quellar::test {

// A private database is empty at the start and gone at the end.
StoreUnderTest::StoreUnderTest()
    : api_(std::make_unique<registry::SqliteStore>(":memory:")), appTitle_("QuellarTest") {}

StoreUnderTest::~StoreUnderTest() = default;

}  // namespace quellar::test
