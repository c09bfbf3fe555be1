#pragma once
// The settings store of the web page: a TextStore over the site's localStorage, which tells
// its one line, after "quellar: ", on stderr (the page's console). The page calls Save() when
// a run ends and when it is hidden or closed.

#include <memory>

#include "registry/text_store.h"

namespace quellar::registry {

// Never fails: a localStorage that cannot be used gives a store that keeps its settings in
// memory, and the console says why.
std::unique_ptr<TextStore> OpenDefaultStore();

}  // namespace quellar::registry
