#include "platforms/win32/dialog_fonts.h"

#include <initializer_list>

namespace quellar::win32 {
namespace {

constexpr BYTE kCentralEuropean = EASTEUROPE_CHARSET;  // 238
// 8.25 points, in hundredths.
constexpr int kPointSize100 = 825;

int CALLBACK NoteFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                       LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(HDC dc, const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The first installed face; else "MS Shell Dlg", which the system always maps to its dialog
// font.
const wchar_t* FirstInstalled(std::initializer_list<const wchar_t*> faces) {
  const ScreenDc screen;
  for (const wchar_t* face : faces) {
    if (Installed(screen.Get(), face)) return face;
  }
  return L"MS Shell Dlg";
}

UniqueGdi<HFONT> MakeFont(const wchar_t* face, int dpi, LONG weight, BYTE charset) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kPointSize100, dpi, 72 * 100);
  font.lfWeight = weight;
  font.lfCharSet = charset;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return UniqueGdi<HFONT>(CreateFontIndirectW(&font));
}

}  // namespace

// Liberation Sans has Arial's metrics, so text set for either keeps its width.
DialogFonts::DialogFonts(int dpi) {
  const wchar_t* sansSerif = FirstInstalled(
      {L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma", L"Arial", L"Liberation Sans"});
  const wchar_t* arial = FirstInstalled({L"Arial", L"Liberation Sans", L"Tahoma"});
  regular_ = MakeFont(sansSerif, dpi, FW_NORMAL, DEFAULT_CHARSET);
  frameCaption_ = MakeFont(sansSerif, dpi, FW_BOLD, kCentralEuropean);
  version_ = MakeFont(arial, dpi, FW_BOLD, kCentralEuropean);
}

}  // namespace quellar::win32
