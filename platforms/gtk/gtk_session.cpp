#include "platforms/gtk/gtk_session.h"

#include <glib-unix.h>

#include <utility>

namespace quellar::gtk {

bool StartGtk() {
  return gtk_init_check(nullptr, nullptr) != FALSE;
}

ReadableWatch::ReadableWatch(int descriptor, std::function<void()> onReadable)
    : onReadable_(std::move(onReadable)),
      source_(g_unix_fd_add(descriptor, G_IO_IN, &OnReadable, this)) {}

ReadableWatch::~ReadableWatch() {
  if (source_ != 0) g_source_remove(source_);
}

// Once is enough: what is waiting stays unread, and the source would fire again and again.
gboolean ReadableWatch::OnReadable(gint /*descriptor*/, GIOCondition /*condition*/, gpointer data) {
  auto* self = static_cast<ReadableWatch*>(data);
  self->source_ = 0;
  self->onReadable_();
  return G_SOURCE_REMOVE;
}

void RunModal(GtkWidget* dialog, int closeDescriptor) {
  {
    // Gone before the dialog is: nothing may answer a destroyed dialog.
    const ReadableWatch close(closeDescriptor, [dialog] {
      gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
    });
    gtk_dialog_run(GTK_DIALOG(dialog));
  }
  gtk_widget_destroy(dialog);
  while (gtk_events_pending() != FALSE) gtk_main_iteration();
}

}  // namespace quellar::gtk
