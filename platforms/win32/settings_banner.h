#pragma once
// The top of frmSettings, painted by the dialog itself: the banner picture Image1 (at its
// natural size at the usual density), Line1 across it in the button-face colour, and lblVersion
// over it in dark green with no background of its own. A child window could not let the picture
// show around its text.

#include <windows.h>

#include <string>

namespace quellar::win32 {

struct BannerPaint {
  HBITMAP banner;  // may be null: the line and the label are painted all the same
  HFONT versionFont;
  const std::wstring& versionText;
  int dpi;
  int clientWidth;
};

void PaintBanner(HDC dc, const BannerPaint& paint);

}  // namespace quellar::win32
