#include <tuple>

#include "base/conversions.h"
#include "engine/engine.h"
#include "engine/runtime_error.h"
#include "registry/mod_registry.h"

namespace quellar::engine {
namespace {

// The failure message: each character's code is a glyph index of the glyph sheet.
constexpr char kFailGlyphs[] = {40, 36, 0, 24, 8, 41, 42, 37, 39, 0, 45, 0, 43, 1, 1, 44, 0};

// A partial column or row counts when at least 3 of its pixels lie on the surface.
std::int16_t CellsCovering(std::int16_t pixels, std::int16_t cell) {
  const std::int16_t whole = static_cast<std::int16_t>(pixels / cell);
  return whole * cell < pixels - 2 ? Checked16(whole + 1) : whole;
}

}  // namespace

void Engine::StartEngine() {
  state.failPhase = 0;
  state.failMessage.assign(kFailGlyphs, sizeof kFailGlyphs);

  if (state.runMode == kRunFullScreen) {
    std::tie(state.surfaceWidth, state.surfaceHeight) = ScreenPixels();
  } else {
    state.surfaceWidth = 320;
    state.surfaceHeight = 240;
  }
  state.colCount = CellsCovering(state.surfaceWidth, 16);
  state.rowCount = CellsCovering(state.surfaceHeight, 20);
  state.columnTable = ColumnTable(state.colCount);

  RecordInstallation();
  ReadSettings();

  SetTimer1Interval(state.tickInterval);
  state.chainLength = CutChain(state.chainLength);

  state.hdcWindow = platform_.GetWindowDC(platform_.MainWindow());
  state.hdcBuffer = platform_.CreateCompatibleDC(state.hdcWindow);
  state.hbmBuffer =
      platform_.CreateCompatibleBitmap(state.hdcWindow, state.surfaceWidth, state.surfaceHeight);
  platform_.SelectObject(state.hdcBuffer, state.hbmBuffer);
  state.hdcGlyphs = LoadResourceDC(kGlyphSheet);
  state.hdcFailBox = LoadResourceDC(kFailBox);
  state.hdcOsdFont = LoadResourceDC(kOsdFont);
  state.hdcHelp = LoadResourceDC(kHelpPanel);
  platform_.SetTimerEnabled(TimerId::Timer1, true);
}

Handle Engine::LoadResourceDC(const std::int16_t& number) {
  const Handle dc = platform_.CreateCompatibleDC(state.hdcWindow);
  const Handle bitmap = platform_.LoadBitmapResource(number);
  platform_.SelectObject(dc, bitmap);
  return dc;
}

void Engine::RecordInstallation() {
  const ProgramInfo program = platform_.Program();
  SaveSetting("Install_Dir", program.path, "S");
  SaveSetting("Exe_Name", program.exeName + ".exe", "S");
  SaveSetting("versionMajor", std::to_string(program.versionMajor), "D");
  SaveSetting("versionMinor", std::to_string(program.versionMinor), "D");
  SaveSetting("versionRevision", std::to_string(program.versionRevision), "D");
}

void Engine::ReadSettings() {
  state.unreadSettings = 0;
  // The four one-byte values always read back as 0..255, so their conversions cannot fail.
  state.skipFailScreen = TextToBoolean(Setting("SysFailScreen", "0", "B")).value_or(kFalse);
  state.closeOnMouseMove = TextToBoolean(Setting("MouseMove", "0", "B")).value_or(kFalse);
  state.tickInterval =
      TextToInt16(Setting("speed", std::to_string(kDefaultInterval), "B", kSpeedSetting))
          .value_or(kDefaultInterval);
  state.chainLength =
      TextToInt16(Setting("chain", std::to_string(kDefaultChain), "B", kChainSetting))
          .value_or(kDefaultChain);
  state.chainSetting = state.chainLength;
  // Only an edit from outside can store a text that is neither a number nor True/False; it
  // counts as the default.
  state.randomDeleting =
      TextToBoolean(Setting("randm", "True", "S", kRandmSetting)).value_or(kTrue);
}

std::string Engine::Setting(const char* name, const std::string& defaultText, const char* letter,
                            std::uint8_t setting) {
  const modRegistry::SettingRead read =
      modRegistry::ReadSetting(platform_.Registry(), kAppTitle, name, defaultText, letter);
  if (!read.answered) state.unreadSettings |= setting;
  return read.text;
}

void Engine::SaveSetting(const char* name, const std::string& text, const char* letter) {
  modRegistry::SaveSetting(platform_.Registry(), kAppTitle, name, text, letter);
}

std::int16_t Engine::LongestChain() const {
  return Checked16(state.rowCount + 2);
}

std::pair<std::int16_t, std::int16_t> Engine::ScreenPixels() {
  const ScreenTwips screen = platform_.ScreenSize();
  return {RoundTo16(screen.width / 15.0), RoundTo16(screen.height / 15.0)};
}

// The timer takes intervals of 0..65535 ms; anything else is a run-time error.
void Engine::SetTimer1Interval(std::int32_t milliseconds) {
  if (milliseconds < 0 || milliseconds > 65535) throw RuntimeError("Invalid property value");
  platform_.SetTimerInterval(TimerId::Timer1, milliseconds);
}

}  // namespace quellar::engine
