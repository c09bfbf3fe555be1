#include "registry/sqlite/sqlite_store.h"
#include "tests/store/store_support.h"

namespace quellar::test {

// A private database is empty at the start and gone at the end.
StoreUnderTest::StoreUnderTest()
    : api(std::make_unique<registry::SqliteStore>(":memory:")), title("QuellarTest") {}

StoreUnderTest::~StoreUnderTest() = default;

}  // namespace quellar::test
