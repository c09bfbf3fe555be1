#pragma once
// frmSettings' child windows on Win32: the two frames, the check boxes, the Close button, the
// hotkey text and the notice, at the dialog's layout scaled to the density of its monitor. The
// banner, the line over it and the version label are painted by the dialog itself
// (settings_banner.h).

#include <windows.h>

#include "platforms/forms/settings_layout.h"
#include "platforms/win32/dialog_fonts.h"

namespace quellar::win32 {

// Control ids; neither IDOK nor IDCANCEL, so Enter and Escape reach no control.
enum SettingsControlId : int {
  kFrame1Id = 1001,
  kLabel4Id,
  kFrame2Id,
  kChMouseId,
  kChFailId,
  kCmdCloseId,
  kLblLegalId,
};

// The layout is in pixels at this density.
inline constexpr int kUsualDpi = 96;

// Pixels at the usual density scaled to `dpi`.
inline int Scaled(int pixels, int dpi) {
  return MulDiv(pixels, dpi, kUsualDpi);
}

// Creates the controls in their keyboard order, not yet placed; only the boxes and the button
// are tab stops.
void CreateSettingsControls(HWND dialog, HINSTANCE instance);

// Places and sizes the controls, and sets their fonts, for a density; again whenever it changes.
void LayOutSettingsControls(HWND dialog, const DialogFonts& fonts, int dpi);

}  // namespace quellar::win32
