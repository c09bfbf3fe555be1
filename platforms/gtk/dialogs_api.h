#pragma once
// What the dialogs module, quellar-dialogs.so, offers the program. Only the dialogs need GTK, so
// GTK lives in the module, and the program loads it only to show a dialog: a run never loads it.
// The program and the module are built together: the table starts with the build it belongs to
// (QUELLAR_DIALOGS_BUILD, the version and a digest of this header), and the program refuses a
// module of another build rather than call it wrongly.

#include <cstdint>
#include <string>

#include "platforms/forms/frm_settings.h"
#include "platforms/softgdi/surface.h"
#include "registry/registry_api.h"

namespace quellar::gtk {

struct DialogsApi {
  // Stays the first member whatever else changes, so that any build can read it.
  const char* build;
  // See message_box.h.
  bool (*showMessageBox)(const std::string& text, std::uint32_t flags, const std::string& caption,
                         int closeDescriptor);
  // See settings_window.h.
  bool (*canShowSettingsWindow)();
  void (*showSettingsWindow)(registry::RegistryApi& registry, ProgramVersion version,
                             const softgdi::Surface* banner, int closeDescriptor);
};

inline constexpr char kDialogsBuild[] = QUELLAR_DIALOGS_BUILD;
// The name under which the module exports its DialogsApi.
inline constexpr char kDialogsApiSymbol[] = "quellar_dialogs_api";
inline constexpr char kDialogsModuleName[] = "quellar-dialogs.so";

}  // namespace quellar::gtk
