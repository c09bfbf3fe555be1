#include "registry/text_store.h"
#include "tests/store/store_support.h"
#include "tests/store/text/string_slot.h"

namespace quellar::test {

// A slot of its own, empty at the start and gone at the end.
StoreUnderTest::StoreUnderTest()
    : api(std::make_unique<registry::TextStore>(
          std::make_unique<StringSlot>(std::make_shared<SlotState>()))),
      title("QuellarTest") {}

StoreUnderTest::~StoreUnderTest() = default;

}  // namespace quellar::test
