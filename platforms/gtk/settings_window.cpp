#include "platforms/gtk/settings_window.h"

#include <array>

#include "platforms/forms/handler_guard.h"
#include "platforms/forms/process_end.h"
#include "platforms/gtk/gtk_session.h"
#include "platforms/gtk/settings_widgets.h"

namespace quellar::gtk {
namespace {

// The port over the widgets. GTK flips a check button by itself when it is clicked; the flip is
// taken back before frmSettings hears of the click, so that the dialog alone decides the state,
// as on Windows.
class SettingsWindow final : public SettingsPort {
 public:
  SettingsWindow(registry::RegistryApi& registry, ProgramVersion version,
                 const softgdi::Surface* banner)
      : form_(*this, registry, version), widgets_(BuildSettingsWidgets(banner)) {
    Connect();
    Guard([&] { form_.Form_Load(); });
  }
  SettingsWindow(const SettingsWindow&) = delete;
  SettingsWindow& operator=(const SettingsWindow&) = delete;
  ~SettingsWindow() override { CloseDialog(); }

  void RunModal(int closeDescriptor) {
    if (open_) {
      gtk_widget_show_all(widgets_.window);
      gtk_widget_grab_focus(widgets_.chMouse);
      const ReadableWatch close(closeDescriptor, [this] { CloseAsTheWindowSystemDoes(); });
      gtk_main();
    }
    guard_.RethrowFailure();
  }

  std::int16_t CheckState(CheckBox box) override {
    GtkToggleButton* button = Button(box);
    if (gtk_toggle_button_get_inconsistent(button) != FALSE) return kGrayed;
    return gtk_toggle_button_get_active(button) != FALSE ? kChecked : kUnchecked;
  }
  void SetCheckState(CheckBox box, std::int16_t state) override {
    GtkToggleButton* button = Button(box);
    g_signal_handlers_block_by_func(button, reinterpret_cast<gpointer>(&OnToggled), this);
    gtk_toggle_button_set_inconsistent(button, state == kGrayed ? TRUE : FALSE);
    gtk_toggle_button_set_active(button, state == kUnchecked ? FALSE : TRUE);
    g_signal_handlers_unblock_by_func(button, reinterpret_cast<gpointer>(&OnToggled), this);
  }
  void SetEnabled(CheckBox box, bool enabled) override {
    gtk_widget_set_sensitive(GTK_WIDGET(Button(box)), enabled ? TRUE : FALSE);
  }
  void SetCaption(const std::string& caption) override {
    gtk_window_set_title(GTK_WINDOW(widgets_.window), caption.c_str());
  }
  void SetVersionText(const std::string& text) override {
    gtk_label_set_text(GTK_LABEL(widgets_.lblVersion), text.c_str());
  }
  void CloseDialog() override {
    if (open_) gtk_widget_destroy(widgets_.window);
  }
  [[noreturn]] void EndProcess() override { throw ProcessEnd{0}; }

 private:
  GtkToggleButton* Button(CheckBox box) const {
    return GTK_TOGGLE_BUTTON(box == CheckBox::ChMouse ? widgets_.chMouse : widgets_.chFail);
  }

  template <typename Handler>
  void Guard(Handler&& handler) {
    if (!guard_.Run(handler)) CloseDialog();
  }

  void Connect() {
    g_signal_connect(widgets_.chMouse, "toggled", G_CALLBACK(&OnToggled), this);
    g_signal_connect(widgets_.chFail, "toggled", G_CALLBACK(&OnToggled), this);
    g_signal_connect(widgets_.cmdClose, "clicked", G_CALLBACK(&OnCloseClicked), this);
    g_signal_connect(widgets_.window, "delete-event", G_CALLBACK(&OnDelete), this);
    g_signal_connect(widgets_.window, "destroy", G_CALLBACK(&OnDestroy), this);
    g_signal_connect(widgets_.window, "key-press-event", G_CALLBACK(&OnKeyPress), this);
    g_signal_connect(widgets_.fixed, "focus", G_CALLBACK(&OnFocus), this);
  }

  static void OnToggled(GtkToggleButton* button, gpointer data) {
    auto* self = static_cast<SettingsWindow*>(data);
    const CheckBox box =
        GTK_WIDGET(button) == self->widgets_.chMouse ? CheckBox::ChMouse : CheckBox::ChFail;
    g_signal_handlers_block_by_func(button, reinterpret_cast<gpointer>(&OnToggled), data);
    gtk_toggle_button_set_active(button, gtk_toggle_button_get_active(button) == FALSE);
    g_signal_handlers_unblock_by_func(button, reinterpret_cast<gpointer>(&OnToggled), data);
    self->Guard([&] { self->form_.CheckBoxClicked(box); });
  }

  static void OnCloseClicked(GtkButton* /*button*/, gpointer data) {
    auto* self = static_cast<SettingsWindow*>(data);
    self->Guard([&] { self->form_.cmdClose_Click(); });
  }

  // The window's close, as any window manager offers it: unload, and the modal show returns.
  void CloseAsTheWindowSystemDoes() {
    Guard([&] { form_.Unload(); });
  }

  static gboolean OnDelete(GtkWidget* /*window*/, GdkEvent* /*event*/, gpointer data) {
    static_cast<SettingsWindow*>(data)->CloseAsTheWindowSystemDoes();
    return TRUE;
  }

  static void OnDestroy(GtkWidget* /*window*/, gpointer data) {
    auto* self = static_cast<SettingsWindow*>(data);
    self->open_ = false;
    if (gtk_main_level() > 0) gtk_main_quit();
  }

  // Enter does not toggle a check box, as on Windows; it still presses a focused button.
  static gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer /*data*/) {
    const bool enter = event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter ||
                       event->keyval == GDK_KEY_ISO_Enter;
    return enter && GTK_IS_CHECK_BUTTON(gtk_window_get_focus(GTK_WINDOW(window))) ? TRUE : FALSE;
  }

  // The keyboard order ChMouse, ChFail, Close, skipping a disabled box and going round, in
  // whichever direction the keys ask.
  static gboolean OnFocus(GtkWidget* fixed, GtkDirectionType direction, gpointer data) {
    auto* self = static_cast<SettingsWindow*>(data);
    const std::array<GtkWidget*, 3> order{self->widgets_.chMouse, self->widgets_.chFail,
                                          self->widgets_.cmdClose};
    const bool backward =
        direction == GTK_DIR_TAB_BACKWARD || direction == GTK_DIR_UP || direction == GTK_DIR_LEFT;
    const int count = static_cast<int>(order.size());
    const GtkWidget* focus = gtk_container_get_focus_child(GTK_CONTAINER(fixed));
    int index = backward ? count : -1;
    for (int i = 0; i < count; ++i) {
      if (order[static_cast<std::size_t>(i)] == focus) index = i;
    }
    for (int step = 1; step <= count; ++step) {
      const int next = ((index + (backward ? -step : step)) % count + count) % count;
      GtkWidget* candidate = order[static_cast<std::size_t>(next)];
      if (gtk_widget_is_sensitive(candidate) != FALSE) {
        gtk_widget_grab_focus(candidate);
        return TRUE;
      }
    }
    return FALSE;
  }

  FrmSettings form_;
  SettingsWidgets widgets_;
  HandlerGuard guard_;
  bool open_ = true;
};

}  // namespace

bool CanShowSettingsWindow() {
  return StartGtk();
}

void ShowSettingsWindow(registry::RegistryApi& registry, ProgramVersion version,
                        const softgdi::Surface* banner, int closeDescriptor) {
  SettingsWindow window(registry, version, banner);
  window.RunModal(closeDescriptor);
}

}  // namespace quellar::gtk
