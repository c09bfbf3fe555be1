#pragma once
// A message box with one OK button.

#include <cstdint>
#include <string>

namespace quellar::gtk {

// Shows `text` with the icon that the MB_ICON bits of `flags` choose and `caption` as the
// window title, and returns when it is closed, or when `closeDescriptor` becomes readable (a
// termination signal has come). False, showing nothing, without a display.
bool ShowMessageBox(const std::string& text, std::uint32_t flags, const std::string& caption,
                    int closeDescriptor);

}  // namespace quellar::gtk
