#include "windows/gtk/gtk_session.h"

namespace quellar::gtk {

bool StartGtk() {
  return gtk_init_check(nullptr, nullptr) != FALSE;
}

void RunModal(GtkWidget* dialog) {
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  while (gtk_events_pending() != FALSE) gtk_main_iteration();
}

}  // namespace quellar::gtk
