#pragma once
// Module engine: the state record and all of the running program's behaviour. Platforms call
// Main once at process start, then deliver timer and window events through frmMain's handlers.

#include <cstdint>
#include <string>
#include <utility>

#include "engine/engine_state.h"
#include "engine/platform.h"
#include "engine/random_generator.h"

namespace quellar::engine {

// The application title; it also names the registry key.
inline constexpr const char* kAppTitle = "QuellarScreensaver";

// The settings of a run that finds none stored, and that Home restores.
inline constexpr std::int16_t kDefaultInterval = 41;
inline constexpr std::int16_t kDefaultChain = 28;

// Bitmap resources.
inline constexpr std::int16_t kGlyphSheet = 101;
inline constexpr std::int16_t kFailBox = 102;
inline constexpr std::int16_t kOsdFont = 103;
inline constexpr std::int16_t kHelpPanel = 104;

class Engine {
 public:
  // `seed` starts the random generator; a platform passes a fixed one for reproducible runs.
  Engine(Platform& platform, std::uint64_t seed) : platform_(platform), random_(seed) {}
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Entry: reads the command line and starts a full-screen or preview run, the settings
  // dialog or the notice. Returns with the run set up; every other outcome ends the process
  // or returns with runMode 0.
  void Main();
  void StartEngine();
  Handle LoadResourceDC(const std::int16_t& number);
  // Never returns: the process ends inside it.
  void Shutdown();
  // Stores the settings the hotkeys change; only a full-screen run has any to store.
  void StoreSettings();

  void Tick();
  void HandleKey(const std::int16_t& keyCode);
  void ShowOsd(std::string text);
  void ClearOsd();
  std::int16_t OsdCellOf(const std::int16_t& code);
  void DrawCell(std::int16_t glyph, std::int16_t shade, std::int16_t x, std::int16_t y);
  void Present();

  EngineState state;

 private:
  void RunFullScreen();
  void RunPreview(const std::string& command);
  bool ParsePreviewParent(const std::string& command);
  void SetTimer1Interval(std::int32_t milliseconds);
  // The screen in pixels: its size in twips over the fixed 15 twips a pixel, halves to even.
  std::pair<std::int16_t, std::int16_t> ScreenPixels();
  void RecordInstallation();
  void ReadSettings();
  // The stored text, or `defaultText`; a read the store did not answer marks `setting` unread.
  std::string Setting(const char* name, const std::string& defaultText, const char* letter,
                      std::uint8_t setting = 0);
  // A hotkey set these settings: the end of the run stores them, whatever their reads gave.
  void Settle(std::uint8_t settings) {
    state.unreadSettings &= static_cast<std::uint8_t>(~settings);
  }
  void SaveSetting(const char* name, const std::string& text, const char* letter);
  void RainStep();
  void StartOneChain();
  void StepColumn(std::int16_t column);
  void StepHead(std::int16_t column);
  void Reseed();
  void FailureStep();
  void TypeGlyph(std::int16_t above, std::int16_t message, std::int16_t below);
  void ShowSpeed();
  void ChooseChainLength();
  void ResetToDefaults();
  void ToggleHelp();
  void DrawOsdCell(std::int16_t position, std::int16_t cell);
  void BlankOsdText();

  Platform& platform_;
  RandomGenerator random_;
};

}  // namespace quellar::engine
