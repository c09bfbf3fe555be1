#pragma once
// The settings dialog's three fonts at its monitor's density: MS Sans Serif 8.25 pt for the
// controls, the same in bold with the Central European character set for the frame captions,
// and Arial 8.25 pt bold, Central European, for the version label. Where a face is missing
// (Wine brings neither), the nearest installed one of a similar build stands in.

#include <windows.h>

#include "platforms/win32/gdi_handle.h"

namespace quellar::win32 {

class DialogFonts {
 public:
  // No fonts yet: the dialog makes them once it knows its monitor's density.
  DialogFonts() = default;
  // `dpi`: dots per inch of the dialog's monitor, 96 at the usual density.
  explicit DialogFonts(int dpi);

  HFONT Regular() const { return regular_.get(); }
  HFONT FrameCaption() const { return frameCaption_.get(); }
  HFONT Version() const { return version_.get(); }

 private:
  UniqueGdi<HFONT> regular_;
  UniqueGdi<HFONT> frameCaption_;
  UniqueGdi<HFONT> version_;
};

}  // namespace quellar::win32
