#include "windows/gtk/settings_window.h"

#include "windows/gtk/gtk_session.h"

namespace quellar::gtk {

bool ShowSettingsWindow() {
  if (!StartGtk()) return false;
  GtkWidget* dialog =
      gtk_dialog_new_with_buttons("Quellar\u2122 Screensaver by Tovenlab", nullptr,
                                  GTK_DIALOG_MODAL, "_Close", GTK_RESPONSE_CLOSE, nullptr);
  RunModal(dialog);
  return true;
}

}  // namespace quellar::gtk
