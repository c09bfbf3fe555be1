#include "platforms/win32/settings_controls.h"

#include <algorithm>
#include <array>
#include <string>

#include "platforms/win32/wide_text.h"

namespace quellar::win32 {
namespace {

namespace layout = settings_layout;

enum class Font { Regular, FrameCaption };

// How a label's size follows its text: the design's box, at least the text (so that no line
// wraps at another density), or exactly the text.
enum class Sizing { Box, AtLeastText, Text };

struct ControlLayout {
  const wchar_t* className;
  std::string text;
  DWORD style;
  int id;
  layout::Box box;
  Font font;
  Sizing sizing;
};

// The texts carry no access keys: an ampersand stays an ampersand.
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
// Three states so that a stored 2 can show; the dialog decides what a click makes of a box.
constexpr DWORD kCheckBox = BS_3STATE | WS_TABSTOP;

// The size of the text's lines as a label draws them.
SIZE TextSize(HFONT font, const std::wstring& text) {
  const ScreenDc screen;
  const ScopedSelection selection(screen.Get(), font);
  RECT rect{};
  DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_NOPREFIX);
  return {rect.right, rect.bottom};
}

SIZE SizeOf(const ControlLayout& entry, HFONT font, const std::wstring& text, int dpi) {
  const SIZE box{Scaled(entry.box.width, dpi), Scaled(entry.box.height, dpi)};
  if (entry.sizing == Sizing::Box) return box;
  const SIZE size = TextSize(font, text);
  if (entry.sizing == Sizing::Text) return size;
  return {std::max(box.cx, size.cx), std::max(box.cy, size.cy)};
}

// A frame comes before the controls it holds: it lies beneath them and does not take the focus.
std::array<ControlLayout, 7> Controls() {
  return {{
      {L"BUTTON", layout::kFrame1Caption, BS_GROUPBOX, kFrame1Id, layout::kFrame1,
       Font::FrameCaption, Sizing::Box},
      {L"STATIC", layout::HotkeyText("\r\n"), kLabel, kLabel4Id, layout::kLabel4, Font::Regular,
       Sizing::AtLeastText},
      {L"BUTTON", layout::kFrame2Caption, BS_GROUPBOX, kFrame2Id, layout::kFrame2,
       Font::FrameCaption, Sizing::Box},
      {L"BUTTON", layout::kChMouseCaption, kCheckBox, kChMouseId, layout::kChMouse, Font::Regular,
       Sizing::Box},
      {L"BUTTON", layout::kChFailCaption, kCheckBox, kChFailId, layout::kChFail, Font::Regular,
       Sizing::Box},
      {L"BUTTON", layout::kCloseCaption, BS_PUSHBUTTON | WS_TABSTOP, kCmdCloseId, layout::kCmdClose,
       Font::Regular, Sizing::Box},
      {L"STATIC", layout::kLegalNotice, kLabel, kLblLegalId, layout::kLblLegal, Font::Regular,
       Sizing::Text},
  }};
}

}  // namespace

void CreateSettingsControls(HWND dialog, HINSTANCE instance) {
  for (const ControlLayout& entry : Controls()) {
    CreateWindowExW(0, entry.className, Utf8ToWide(entry.text).c_str(),
                    WS_CHILD | WS_VISIBLE | entry.style, 0, 0, 0, 0, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
  }
}

void LayOutSettingsControls(HWND dialog, const DialogFonts& fonts, int dpi) {
  for (const ControlLayout& entry : Controls()) {
    const HFONT font = entry.font == Font::FrameCaption ? fonts.FrameCaption() : fonts.Regular();
    const auto [width, height] = SizeOf(entry, font, Utf8ToWide(entry.text), dpi);
    const HWND control = GetDlgItem(dialog, entry.id);
    SetWindowPos(control, nullptr, Scaled(entry.box.x, dpi), Scaled(entry.box.y, dpi), width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

}  // namespace quellar::win32
