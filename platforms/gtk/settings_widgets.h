#pragma once
// frmSettings' widgets on GTK, placed at the dialog's layout in one fixed container: the banner
// with its line and version label, the two frames, the check boxes, the hotkey text, the Close
// button and the notice. A style sheet of the window's own sets the dialog's fonts and keeps
// the widgets as compact as the layout's boxes.

#include <gtk/gtk.h>

#include "platforms/softgdi/surface.h"

namespace quellar::gtk {

struct SettingsWidgets {
  GtkWidget* window;  // owned by GTK's list of toplevels until destroyed
  GtkWidget* fixed;
  GtkWidget* chMouse;
  GtkWidget* chFail;
  GtkWidget* cmdClose;
  GtkWidget* lblVersion;
};

// A fixed-size window, not shown yet.
SettingsWidgets BuildSettingsWidgets(const softgdi::Surface* banner);

}  // namespace quellar::gtk
