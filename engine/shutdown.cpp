#include "engine/engine.h"

namespace quellar::engine {

void Engine::Shutdown() {
  const Handle window = platform_.MainWindow();
  platform_.ShowCursor(true);
  platform_.SetWindowPos(window, kHwndNoTopmost, 0, 0, 0, 0, kSwpNoSize);
  std::int32_t unused = 0;
  platform_.SystemParameters(kSpiSetScreenSaverRunning, 0, unused, 0);
  StoreSettings();
  ReleaseDrawingObjects();
  platform_.CloseMainWindow();
  platform_.EndProcess();
}

void Engine::ReleaseDrawingObjects() {
  for (const Handle dc :
       {state.hdcBuffer, state.hdcGlyphs, state.hdcFailBox, state.hdcOsdFont, state.hdcHelp}) {
    platform_.DeleteDC(dc);
  }
}

// A value the store could not read is written back only when a hotkey set it since.
void Engine::StoreSettings() {
  if (state.runMode != kRunFullScreen) return;
  const auto stores = [this](std::uint8_t setting) {
    return (state.unreadSettings & setting) == 0;
  };
  if (stores(kSpeedSetting)) SaveSetting("speed", std::to_string(state.tickInterval), "B");
  if (stores(kChainSetting)) SaveSetting("chain", std::to_string(state.chainSetting), "B");
  if (stores(kRandmSetting))
    SaveSetting("randm", state.randomDeleting != 0 ? "True" : "False", "S");
}

}  // namespace quellar::engine
