#pragma once
// frmSettings on Win32: a fixed-size dialog window with no owner, its controls, and the port
// that frmSettings' handlers drive. The dialog manager gives it Tab and Space; Enter and Escape
// close nothing, and only the window's own close and the Close button end it.

#include <windows.h>

#include <string>

#include "platforms/forms/frm_settings.h"
#include "platforms/forms/handler_guard.h"
#include "platforms/forms/settings_port.h"
#include "platforms/win32/dialog_fonts.h"
#include "platforms/win32/gdi_handle.h"
#include "platforms/win32/settings_controls.h"
#include "registry/registry_api.h"

namespace quellar::win32 {

class SettingsDialog final : public SettingsPort {
 public:
  SettingsDialog(HINSTANCE instance, registry::RegistryApi& registry, ProgramVersion version);
  SettingsDialog(const SettingsDialog&) = delete;
  SettingsDialog& operator=(const SettingsDialog&) = delete;
  ~SettingsDialog() override;

  // Creates and loads the dialog, centred on the screen, and shows it with ChMouse focused.
  void Open();
  // Delivers the thread's messages until the dialog has gone, then throws on whatever one of
  // its handlers threw: ProcessEnd when the Close button ended the process.
  void RunModal();
  // Null before Open and once the dialog has gone.
  HWND Hwnd() const { return dialog_; }

  std::int16_t CheckState(CheckBox box) override;
  void SetCheckState(CheckBox box, std::int16_t state) override;
  void SetEnabled(CheckBox box, bool enabled) override;
  void SetCaption(const std::string& caption) override;
  void SetVersionText(const std::string& text) override;
  void CloseDialog() override;
  [[noreturn]] void EndProcess() override;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void OnCommand(int id, int code);
  void OnPaint();
  // Fonts, controls and banner at the density of the dialog's monitor.
  void ApplyDpi(int dpi);
  void OnDpiChanged(int dpi, const RECT& suggested);
  // The window's size for its layout at `dpi`, frame included.
  SIZE WindowSize(int dpi) const;
  void PlaceCentred();
  HWND Control(CheckBox box) const;
  // Runs a handler; what it throws closes the dialog and waits for RunModal.
  template <typename Handler>
  void Guard(Handler&& handler) noexcept;

  HINSTANCE instance_;
  FrmSettings form_;
  int dpi_ = kUsualDpi;  // of the monitor the dialog is on, once it is open
  DialogFonts fonts_;
  UniqueGdi<HBITMAP> banner_;
  std::wstring versionText_;
  HWND dialog_ = nullptr;
  HandlerGuard guard_;
};

// Shows frmSettings modally, without an owner, and returns when its window has been closed;
// the Close button ends the process by throwing ProcessEnd out of it.
void RunSettingsDialog(HINSTANCE instance, registry::RegistryApi& registry, ProgramVersion version);

}  // namespace quellar::win32
