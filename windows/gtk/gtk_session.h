#pragma once
// GTK is started only for the windows it shows (the notice and the settings dialog), never for
// a run.

#include <gtk/gtk.h>

namespace quellar::gtk {

// Starts GTK on the display; false when there is none to show anything on.
bool StartGtk();

// Shows `dialog` modally until it is answered or closed, then destroys it and lets the
// server see it go before the caller moves on.
void RunModal(GtkWidget* dialog);

}  // namespace quellar::gtk
