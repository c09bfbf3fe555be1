#include "platforms/win32/settings_banner.h"

#include "platforms/forms/settings_layout.h"
#include "platforms/win32/gdi_handle.h"
#include "platforms/win32/settings_controls.h"

namespace quellar::win32 {
namespace {

namespace layout = settings_layout;

// Pixel for pixel at the usual density. At another one the picture grows with the layout, so
// that the version label and Line1 still lie on it.
void PaintPicture(HDC dc, HBITMAP banner, int dpi) {
  if (banner == nullptr) return;
  const UniqueMemoryDc source(CreateCompatibleDC(dc));
  const ScopedSelection selection(source.get(), banner);
  const layout::Box& image = layout::kImage1;
  if (dpi == kUsualDpi) {
    BitBlt(dc, image.x, image.y, image.width, image.height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, Scaled(image.x, dpi), Scaled(image.y, dpi), Scaled(image.width, dpi),
             Scaled(image.height, dpi), source.get(), 0, 0, image.width, image.height, SRCCOPY);
}

void PaintLine(HDC dc, int dpi, int clientWidth) {
  const int y = Scaled(layout::kLine1Y, dpi);
  const RECT line{0, y, clientWidth, y + 1};
  FillRect(dc, &line, GetSysColorBrush(COLOR_BTNFACE));
}

void PaintVersion(HDC dc, HFONT font, const std::wstring& text, int dpi) {
  const ScopedSelection selection(dc, font);
  const auto& [red, green, blue] = layout::kVersionColour;
  SetTextColor(dc, RGB(red, green, blue));
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, Scaled(layout::kLblVersion.x, dpi), Scaled(layout::kLblVersion.y, dpi), text.c_str(),
           static_cast<int>(text.size()));
}

}  // namespace

void PaintBanner(HDC dc, const BannerPaint& paint) {
  PaintPicture(dc, paint.banner, paint.dpi);
  PaintLine(dc, paint.dpi, paint.clientWidth);
  PaintVersion(dc, paint.versionFont, paint.versionText, paint.dpi);
}

}  // namespace quellar::win32
