#pragma once
// The settings dialog frmSettings on Linux. For now a stand-in with the dialog's title and a
// Close button, until the dialog with its check boxes is built.

namespace quellar::gtk {

// Shows the dialog modally and returns when it is closed. False, showing nothing, without a
// display.
bool ShowSettingsWindow();

}  // namespace quellar::gtk
