// The one symbol the dialogs module exports.

#include "windows/gtk/dialogs_api.h"
#include "windows/gtk/message_box.h"
#include "windows/gtk/settings_window.h"

extern "C" __attribute__((visibility("default")))
const quellar::gtk::DialogsApi quellar_dialogs_api{
    quellar::gtk::kDialogsBuild,
    &quellar::gtk::ShowMessageBox,
    &quellar::gtk::CanShowSettingsWindow,
    &quellar::gtk::ShowSettingsWindow,
};
