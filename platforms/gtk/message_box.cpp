#include "platforms/gtk/message_box.h"

#include "platforms/gtk/gtk_session.h"

namespace quellar::gtk {
namespace {

// The icon of the MB_ICON bits. GTK's own message dialog no longer shows one.
const char* IconNameOf(std::uint32_t flags) {
  switch (flags & 0xF0u) {
    case 0x10u:  // MB_ICONHAND
      return "dialog-error";
    case 0x20u:  // MB_ICONQUESTION
      return "dialog-question";
    case 0x30u:  // MB_ICONEXCLAMATION
      return "dialog-warning";
    case 0x40u:  // MB_ICONASTERISK
      return "dialog-information";
    default:
      return nullptr;
  }
}

}  // namespace

bool ShowMessageBox(const std::string& text, std::uint32_t flags, const std::string& caption,
                    int closeDescriptor) {
  if (!StartGtk()) return false;
  GtkWidget* box = gtk_dialog_new_with_buttons(caption.c_str(), nullptr, GTK_DIALOG_MODAL, "_OK",
                                               GTK_RESPONSE_OK, nullptr);
  gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  gtk_container_set_border_width(GTK_CONTAINER(row), 12);
  if (const char* icon = IconNameOf(flags)) {
    gtk_box_pack_start(GTK_BOX(row), gtk_image_new_from_icon_name(icon, GTK_ICON_SIZE_DIALOG),
                       FALSE, FALSE, 0);
  }
  gtk_box_pack_start(GTK_BOX(row), gtk_label_new(text.c_str()), FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(box))), row);
  gtk_widget_show_all(row);
  RunModal(box, closeDescriptor);
  return true;
}

}  // namespace quellar::gtk
