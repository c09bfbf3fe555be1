#include <cctype>

#include "engine/engine.h"
#include "engine/runtime_error.h"

namespace quellar::engine {
namespace {

constexpr std::int16_t kOsdTop = 20;
constexpr std::int16_t kOsdCellWidth = 16;
constexpr std::int16_t kOsdCellHeight = 40;

std::int16_t LengthOf(const std::string& text) {
  return Checked16(static_cast<std::int64_t>(text.size()));
}

}  // namespace

// The font has a blank, the digits, A to Y and a colon; Z falls on the colon's cell and any
// other character shows as a blank.
std::int16_t Engine::OsdCellOf(const std::int16_t& code) {
  if (code == ' ') return 0;
  if (code == ':') return 36;
  if (code >= 'A' && code <= 'Z') return Checked16(code - 54);
  if (code >= '0' && code <= '9') return Checked16(code - 47);
  return 0;
}

void Engine::DrawOsdCell(std::int16_t position, std::int16_t cell) {
  platform_.BitBlt(state.hdcBuffer, Checked16(kOsdCellWidth * position), kOsdTop, kOsdCellWidth,
                   kOsdCellHeight, state.hdcOsdFont, Checked16(kOsdCellWidth * cell), 0, kSrcCopy);
}

void Engine::ShowOsd(std::string text) {
  // Restart the two-second timeout with every message.
  platform_.SetTimerEnabled(TimerId::tmrOSD, false);
  platform_.SetTimerEnabled(TimerId::tmrOSD, true);
  // A longer old message would leave its tail behind; a shorter one is covered by the new.
  if (text.size() < state.osdText.size()) BlankOsdText();
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  state.osdText = std::move(text);
  const std::int16_t length = LengthOf(state.osdText);
  for (std::int16_t position = 1; position <= length; position++) {
    const auto code = static_cast<std::int16_t>(
        static_cast<unsigned char>(state.osdText[static_cast<std::size_t>(position - 1)]));
    DrawOsdCell(position, OsdCellOf(code));
  }
  Present();
}

// The erased cells reach the screen with the next tick's presentation.
void Engine::ClearOsd() {
  BlankOsdText();
  state.osdText.clear();
}

// Blank cells at every position of the text now shown.
void Engine::BlankOsdText() {
  const std::int16_t length = LengthOf(state.osdText);
  for (std::int16_t position = 1; position <= length; position++) DrawOsdCell(position, 0);
}

}  // namespace quellar::engine
