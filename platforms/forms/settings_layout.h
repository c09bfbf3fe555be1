#pragma once
// Where frmSettings' controls go and what they say, shared by every toolkit. Positions are
// pixels at 96 dots per inch in the window's client area; the controls inside a frame are
// placed from the frame's own corner, as the dialog was designed.

#include <array>
#include <string>

namespace quellar::settings_layout {

struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

constexpr Box Inside(const Box& frame, Box child) {
  child.x += frame.x;
  child.y += frame.y;
  return child;
}

inline constexpr int kClientWidth = 449;
inline constexpr int kClientHeight = 280;

// The banner is shown at its natural size; the client area cuts off its last column.
inline constexpr Box kImage1{0, 0, 450, 65};
// Line1: one pixel in the button-face colour across the banner.
inline constexpr int kLine1Y = 63;
inline constexpr Box kLblVersion{164, 40, 30, 14};  // sized to its text
inline constexpr Box kFrame2{16, 72, 329, 73};
inline constexpr Box kChMouse = Inside(kFrame2, {16, 24, 273, 17});
inline constexpr Box kChFail = Inside(kFrame2, {16, 48, 273, 17});
inline constexpr Box kFrame1{16, 160, 329, 97};
inline constexpr Box kLabel4 = Inside(kFrame1, {16, 24, 225, 68});
inline constexpr Box kCmdClose{360, 80, 73, 25};
inline constexpr Box kLblLegal{8, 264, 353, 13};  // sized to its text

// lblVersion's colour, red, green, blue.
inline constexpr std::array<int, 3> kVersionColour{0, 128, 0};

// Texts (UTF-8).
inline constexpr const char* kFrame1Caption = "Hotkeys (press F1 while the screensaver runs)";
inline constexpr const char* kFrame2Caption = "Settings";
inline constexpr const char* kChMouseCaption = "Close screensaver on mouse move";
inline constexpr const char* kChFailCaption = "Skip [SYSTEM FAILURE] screen";
inline constexpr const char* kCloseCaption = "Close";
inline constexpr std::array<const char*, 5> kHotkeyLines{
    "Speed: faster: [+]; slower: [-]", "Character chain length: shorter: [/]; longer: [*]",
    "Random deleting ON/OFF: [ENTER]", "Reset to defaults: [HOME]", "Exit: [ESC] or [SPACE]"};
inline constexpr const char* kLegalNotice =
    "Quellar\u2122 is a trademark of Tovenlab. All other marks belong to the owners.";

// Label4's text: the hotkey lines, each ended by `separator` but the last.
inline std::string HotkeyText(const char* separator) {
  std::string text = kHotkeyLines[0];
  for (std::size_t i = 1; i < kHotkeyLines.size(); ++i)
    text.append(separator).append(kHotkeyLines[i]);
  return text;
}

}  // namespace quellar::settings_layout
