#pragma once
// Module engine: the state record and all of the running program's behaviour. One Engine draws
// one rain: a run has one per monitor, and a guest makes a new one each time its host's window
// changes size or SIGUSR1 asks. A platform calls Main (or starts a follower, or hands a guest
// its host's overrides) and then delivers timer and window events through frmMain's handlers.

#include <algorithm>
#include <cstdint>
#include <optional>
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

// Settings a screen-saver host gives its guest on the command line, in place of the stored ones
// for that run; an empty one leaves the stored setting.
struct SettingOverrides {
  std::optional<std::int16_t> speed = std::nullopt;  // Timer1's interval, ms
  std::optional<std::int16_t> chain = std::nullopt;  // cut to the surface as a stored chain is
  std::optional<bool> randomDeleting = std::nullopt;
};

// Whether Main runs full screen for `commandLine`: for /s, and for no switch at all.
bool AsksForFullScreen(const std::string& commandLine);

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
  // A full-screen rain on this engine's screen for a monitor beside the primary one: the
  // primary engine's run places the window, hides the pointer, flags the screen saver and ends
  // the run, so this start leaves all of those alone.
  void StartFollower();
  // A follower's settings are its leader's (the primary engine, which takes the keys): the
  // speed and random deleting as they are, and the chain length the user chose, cut to this
  // engine's own rows as a run on this surface alone would cut it. A follower stores nothing.
  void FollowSettingsOf(const Engine& leader);
  // Right after Main, before the first tick: a guest's overrides replace what the store gave.
  // A guest stores nothing (its host ends it without the run's shutdown), so chainSetting and
  // unreadSettings keep what the store said.
  void TakeOverrides(const SettingOverrides& overrides);
  // Never returns: the process ends inside it.
  void Shutdown();
  // Stores the settings the hotkeys change; only a full-screen run has any to store.
  void StoreSettings();
  // Deletes the memory device contexts start-up created; their bitmaps go with them.
  void ReleaseDrawingObjects();

  void Tick();
  void HandleKey(const std::int16_t& keyCode);
  void ShowOsd(std::string text);
  void ClearOsd();
  void DrawCell(std::int16_t glyph, std::int16_t shade, std::int16_t x, std::int16_t y);
  void Present();

  EngineState state;

 private:
  void StartEngine();
  Handle LoadResourceDC(const std::int16_t& number);
  std::int16_t OsdCellOf(const std::int16_t& code);
  // Chains end at rowCount + 2: the eraser starts only once a head has passed chainLength, and
  // a head stops two rows below the surface, so a longer chain would never be erased.
  std::int16_t LongestChain() const;
  std::int16_t CutChain(std::int16_t length) const { return std::min(length, LongestChain()); }
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
  void StepColumn(std::int16_t column, std::int16_t x);
  void StepHead(std::int16_t column, std::int16_t x);
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
