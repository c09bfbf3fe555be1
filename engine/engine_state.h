#pragma once
// The state record of one engine: what its rain, its overlays and its settings are between
// events. Values a handler needs only while it runs are its locals, not fields. Booleans are
// 16-bit values 0 (false) and -1 (true); every test treats any non-zero value as true.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform.h"

namespace quellar::engine {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

inline constexpr std::int32_t kRunNone = 0;
inline constexpr std::int32_t kRunFullScreen = 1;
inline constexpr std::int32_t kRunPreview = 4;

// The settings the hotkeys change and a full-screen run stores when it ends, as bits.
enum HotkeySetting : std::uint8_t { kSpeedSetting = 1, kChainSetting = 2, kRandmSetting = 4 };
inline constexpr std::uint8_t kEveryHotkeySetting = kSpeedSetting | kChainSetting | kRandmSetting;

// The four fields of a column's record.
enum ColumnField : std::int16_t { kNextRow = 1, kHeadGlyph = 2, kEraseRow = 3, kTrailGlyph = 4 };

// Per-column rain state, indexed from 1 by column and by field. An index out of range is a
// run-time error, never a stray write.
class ColumnTable {
 public:
  ColumnTable() = default;
  explicit ColumnTable(std::int16_t columns);

  std::int16_t& operator()(std::int32_t column, std::int32_t field);
  std::int16_t operator()(std::int32_t column, std::int32_t field) const;
  std::int16_t Columns() const { return static_cast<std::int16_t>(records_.size()); }

 private:
  std::size_t IndexOf(std::int32_t column, std::int32_t field) const;

  std::vector<std::array<std::int16_t, 4>> records_;
};

struct EngineState {
  Handle previewParent = 0;
  std::int32_t runMode = kRunNone;
  Rect previewRect;
  std::int16_t skipFailScreen = kFalse;
  std::int16_t closeOnMouseMove = kFalse;
  std::int16_t surfaceWidth = 0;
  std::int16_t surfaceHeight = 0;
  std::int16_t colCount = 0;
  std::int16_t rowCount = 0;
  Handle hdcWindow = 0;
  Handle hdcBuffer = 0;
  Handle hdcGlyphs = 0;
  Handle hdcFailBox = 0;
  Handle hdcOsdFont = 0;
  Handle hdcHelp = 0;
  Handle hbmBuffer = 0;
  // The failure message's next position to type, from one failure tick to the next.
  std::int16_t msgCursor = 0;
  ColumnTable columnTable;
  std::int16_t failPhase = 0;
  std::string failMessage;
  std::int16_t chainLength = 0;
  std::int16_t randomDeleting = kFalse;
  std::int16_t tickInterval = 0;
  std::string osdText;
  std::int16_t helpVisible = kFalse;
  // The chain length chosen, read from the store or set by a hotkey since, before chainLength
  // cuts it to this surface's rows + 2: a run on a smaller screen does not shorten what is
  // stored, and each monitor cuts it to its own height.
  std::int16_t chainSetting = 0;
  // HotkeySetting bits of the values the store could not read (another process held its lock)
  // and no hotkey has set since: the end of the run leaves them as they are stored rather than
  // write the defaults that stood in for them.
  std::uint8_t unreadSettings = 0;
};

}  // namespace quellar::engine
