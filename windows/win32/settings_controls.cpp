#include "windows/win32/settings_controls.h"

#include <string>

#include "windows/win32/wide_text.h"

namespace quellar::win32 {
namespace {

namespace layout = settings_layout;

enum class Font { Regular, FrameCaption };

struct ControlSpec {
  const wchar_t* className;
  std::string text;
  DWORD style;
  int id;
  layout::Box box;
  Font font;
  bool sizedToText;
};

// The texts carry no access keys: an ampersand stays an ampersand.
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
// Three states so that a stored 2 can show; the dialog decides what a click makes of a box.
constexpr DWORD kCheckBox = BS_3STATE | WS_TABSTOP;

SIZE TextSize(HFONT font, const std::wstring& text) {
  const ScreenDc screen;
  const ScopedSelection selection(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void Create(HWND dialog, HINSTANCE instance, const ControlSpec& spec, HFONT font, int dpi) {
  const std::wstring text = Utf8ToWide(spec.text);
  int width = Scaled(spec.box.width, dpi);
  int height = Scaled(spec.box.height, dpi);
  if (spec.sizedToText) {
    const SIZE size = TextSize(font, text);
    width = size.cx;
    height = size.cy;
  }
  const HWND control =
      CreateWindowExW(0, spec.className, text.c_str(), WS_CHILD | WS_VISIBLE | spec.style,
                      Scaled(spec.box.x, dpi), Scaled(spec.box.y, dpi), width, height, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

// A frame comes before the controls it holds: it lies beneath them and does not take the focus.
void CreateSettingsControls(HWND dialog, HINSTANCE instance, const DialogFonts& fonts, int dpi) {
  const ControlSpec specs[] = {
      {L"BUTTON", layout::kFrame1Caption, BS_GROUPBOX, kFrame1Id, layout::kFrame1,
       Font::FrameCaption, false},
      {L"STATIC", layout::HotkeyText("\r\n"), kLabel, kLabel4Id, layout::kLabel4, Font::Regular,
       false},
      {L"BUTTON", layout::kFrame2Caption, BS_GROUPBOX, kFrame2Id, layout::kFrame2,
       Font::FrameCaption, false},
      {L"BUTTON", layout::kChMouseCaption, kCheckBox, kChMouseId, layout::kChMouse, Font::Regular,
       false},
      {L"BUTTON", layout::kChFailCaption, kCheckBox, kChFailId, layout::kChFail, Font::Regular,
       false},
      {L"BUTTON", layout::kCloseCaption, BS_PUSHBUTTON | WS_TABSTOP, kCmdCloseId, layout::kCmdClose,
       Font::Regular, false},
      {L"STATIC", layout::kLegalNotice, kLabel, kLblLegalId, layout::kLblLegal, Font::Regular,
       true},
  };
  for (const ControlSpec& spec : specs) {
    const HFONT font = spec.font == Font::FrameCaption ? fonts.FrameCaption() : fonts.Regular();
    Create(dialog, instance, spec, font, dpi);
  }
}

}  // namespace quellar::win32
