#include "engine/engine.h"

namespace quellar::engine {

void Engine::Shutdown() {
  const Handle window = platform_.MainWindow();
  platform_.ShowCursor(true);
  platform_.SetWindowPos(window, kHwndNoTopmost, 0, 0, 0, 0, kSwpNoSize);
  std::int32_t unused = 0;
  platform_.SystemParameters(kSpiSetScreenSaverRunning, 0, unused, 0);
  StoreSettings();
  for (const Handle dc : {state.hdcBuffer, state.hdcGlyphs, state.hdcFailBox, state.hdcOsdFont,
                          state.hdcHelp}) {
    platform_.DeleteDC(dc);
  }
  platform_.CloseMainWindow();
  platform_.EndProcess();
}

void Engine::StoreSettings() {
  if (state.runMode != kRunFullScreen) return;
  SaveSetting("speed", std::to_string(state.tickInterval), "B");
  SaveSetting("chain", std::to_string(state.chainLength), "B");
  SaveSetting("randm", state.randomDeleting != 0 ? "True" : "False", "S");
}

}  // namespace quellar::engine
