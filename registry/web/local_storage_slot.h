#pragma once
// The web page's slot for its settings: the entry "quellar:registry" of the site's
// localStorage, which every page of the site shares. localStorage may be missing (a worker,
// node), refused (the user blocks site data) or full; each of its exceptions becomes the
// failure's reason.

#include "registry/text_slot.h"

namespace quellar::registry {

class LocalStorageSlot final : public TextSlot {
 public:
  std::string Name() const override;
  SlotText Read() override;
  std::string Write(const std::string& text) override;
};

}  // namespace quellar::registry
