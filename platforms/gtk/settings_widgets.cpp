#include "platforms/gtk/settings_widgets.h"

#include <string>

#include "platforms/forms/settings_layout.h"
#include "platforms/gtk/banner_pixbuf.h"
#include "platforms/gtk/g_owned.h"

namespace quellar::gtk {
namespace {

namespace layout = settings_layout;

constexpr const char* kStyleClass = "quellar-settings";

// MS Sans Serif and Arial where they are installed; Liberation Sans has Arial's metrics.
constexpr const char* kStyleSheet = R"css(
.quellar-settings, .quellar-settings * {
  font-family: "MS Sans Serif", "Liberation Sans", sans-serif;
  font-size: 8.25pt;
}
.quellar-settings .frame-caption { font-weight: bold; margin-left: 6px; padding: 0 2px; }
.quellar-settings #lblVersion {
  font-family: Arial, "Liberation Sans", sans-serif;
  font-weight: bold;
  color: rgb(0, 128, 0);
}
.quellar-settings button { min-height: 0; padding: 0 6px; }
.quellar-settings checkbutton { min-height: 0; padding: 0; }
)css";

void ApplyStyleSheet(GtkWidget* window) {
  const GOwned<GtkCssProvider> provider(gtk_css_provider_new());
  gtk_css_provider_load_from_data(provider.get(), kStyleSheet, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gtk_widget_get_screen(window),
                                            GTK_STYLE_PROVIDER(provider.get()),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  gtk_style_context_add_class(gtk_widget_get_style_context(window), kStyleClass);
}

GtkWidget* Place(GtkWidget* fixed, GtkWidget* widget, const layout::Box& box) {
  gtk_widget_set_size_request(widget, box.width, box.height);
  gtk_fixed_put(GTK_FIXED(fixed), widget, box.x, box.y);
  return widget;
}

// Labels sized to their text keep their natural size.
GtkWidget* PlaceLabel(GtkWidget* fixed, const std::string& text, const layout::Box& box) {
  GtkWidget* label = gtk_label_new(text.c_str());
  gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
  gtk_fixed_put(GTK_FIXED(fixed), label, box.x, box.y);
  return label;
}

GtkWidget* PlaceFrame(GtkWidget* fixed, const char* caption, const layout::Box& box) {
  GtkWidget* frame = gtk_frame_new(caption);
  gtk_style_context_add_class(
      gtk_widget_get_style_context(gtk_frame_get_label_widget(GTK_FRAME(frame))), "frame-caption");
  return Place(fixed, frame, box);
}

// Line1 takes the window's background colour, as the button face is on Windows.
gboolean DrawLine(GtkWidget* line, cairo_t* cairo, gpointer /*unused*/) {
  GdkRGBA colour{};
  if (gtk_style_context_lookup_color(gtk_widget_get_style_context(line), "theme_bg_color",
                                     &colour) == FALSE) {
    return FALSE;
  }
  gdk_cairo_set_source_rgba(cairo, &colour);
  cairo_paint(cairo);
  return TRUE;
}

void PlaceBanner(GtkWidget* fixed, const softgdi::Surface* picture) {
  const GOwned<GdkPixbuf> banner = BannerPixbuf(picture, layout::kClientWidth);
  if (banner) {
    gtk_fixed_put(GTK_FIXED(fixed), gtk_image_new_from_pixbuf(banner.get()), layout::kImage1.x,
                  layout::kImage1.y);
  }
  GtkWidget* line = gtk_drawing_area_new();
  g_signal_connect(line, "draw", G_CALLBACK(DrawLine), nullptr);
  Place(fixed, line, {0, layout::kLine1Y, layout::kClientWidth, 1});
}

GtkWidget* MakeWindow() {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
  gtk_window_set_modal(GTK_WINDOW(window), TRUE);
  ApplyStyleSheet(window);
  return window;
}

}  // namespace

// Children are drawn in the order they are put: the banner first, beneath everything.
SettingsWidgets BuildSettingsWidgets(const softgdi::Surface* banner) {
  SettingsWidgets widgets{};
  widgets.window = MakeWindow();
  widgets.fixed = gtk_fixed_new();
  gtk_widget_set_size_request(widgets.fixed, layout::kClientWidth, layout::kClientHeight);
  gtk_container_add(GTK_CONTAINER(widgets.window), widgets.fixed);
  GtkWidget* fixed = widgets.fixed;
  PlaceBanner(fixed, banner);
  widgets.lblVersion = PlaceLabel(fixed, "", layout::kLblVersion);
  gtk_widget_set_name(widgets.lblVersion, "lblVersion");
  PlaceFrame(fixed, layout::kFrame1Caption, layout::kFrame1);
  PlaceLabel(fixed, layout::HotkeyText("\n"), layout::kLabel4);
  PlaceFrame(fixed, layout::kFrame2Caption, layout::kFrame2);
  widgets.chMouse =
      Place(fixed, gtk_check_button_new_with_label(layout::kChMouseCaption), layout::kChMouse);
  widgets.chFail =
      Place(fixed, gtk_check_button_new_with_label(layout::kChFailCaption), layout::kChFail);
  widgets.cmdClose =
      Place(fixed, gtk_button_new_with_label(layout::kCloseCaption), layout::kCmdClose);
  PlaceLabel(fixed, layout::kLegalNotice, layout::kLblLegal);
  return widgets;
}

}  // namespace quellar::gtk
