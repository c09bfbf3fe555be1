#pragma once
// The settings dialog frmSettings on Linux: a GTK window laid out as on Windows, driven by
// frmSettings' handlers.

#include "platforms/forms/frm_settings.h"
#include "platforms/softgdi/surface.h"
#include "registry/registry_api.h"

namespace quellar::gtk {

// Starts GTK; false when there is no display to show the dialog on. Ask before opening the
// store, so that a dialog that cannot be shown touches nothing.
bool CanShowSettingsWindow();

// Shows the dialog modally and returns when its window has been closed; the Close button ends
// the process by throwing ProcessEnd out of it. When `closeDescriptor` becomes readable (a
// termination signal has come) the dialog closes as the window's own close does, storing both
// boxes. `banner` is the banner picture, null when the program has none.
void ShowSettingsWindow(registry::RegistryApi& registry, ProgramVersion version,
                        const softgdi::Surface* banner, int closeDescriptor);

}  // namespace quellar::gtk
