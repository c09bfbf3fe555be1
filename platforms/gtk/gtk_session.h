#pragma once
// GTK is started only for the windows it shows (the notice and the settings dialog), never for
// a run.

#include <gtk/gtk.h>

#include <functional>

namespace quellar::gtk {

// Starts GTK on the display; false when there is none to show anything on.
bool StartGtk();

// While it lives, GTK's loop watches `descriptor` and calls `onReadable` once it can be read:
// how a termination signal, arriving on a descriptor, closes a window.
class ReadableWatch {
 public:
  ReadableWatch(int descriptor, std::function<void()> onReadable);
  ~ReadableWatch();
  ReadableWatch(const ReadableWatch&) = delete;
  ReadableWatch& operator=(const ReadableWatch&) = delete;

 private:
  static gboolean OnReadable(gint descriptor, GIOCondition condition, gpointer data);

  std::function<void()> onReadable_;
  guint source_;
};

// Shows `dialog` modally until it is answered or closed, or `closeDescriptor` becomes readable,
// then destroys it and lets the server see it go before the caller moves on.
void RunModal(GtkWidget* dialog, int closeDescriptor);

}  // namespace quellar::gtk
