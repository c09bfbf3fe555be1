// The one symbol the dialogs module exports.

#include "platforms/gtk/dialogs_api.h"
#include "platforms/gtk/message_box.h"
#include "platforms/gtk/settings_window.h"

extern "C" __attribute__((visibility("default")))
const quellar::gtk::DialogsApi quellar_dialogs_api{
    quellar::gtk::kDialogsBuild,
    &quellar::gtk::ShowMessageBox,
    &quellar::gtk::CanShowSettingsWindow,
    &quellar::gtk::ShowSettingsWindow,
};
