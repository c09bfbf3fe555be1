#pragma once
// Whether a tick of the rain is running. A tick presents everything it draws before it
// returns, and no exposure or repaint is handled inside it, so what its drawing overwrites in a
// bitmap the window shows need not be kept: only drawing outside a tick (an announcement erased
// by its timeout, F1's panel) must keep it until the next presentation.

namespace quellar::softgdi {

struct TickState {
  bool running = false;

  // Runs Timer1's handler as a tick; afterwards, however it ended, as before.
  template <typename Handler>
  void Run(Handler&& handler) {
    struct Restore {
      bool& flag;
      bool before;
      ~Restore() { flag = before; }
    } restore{running, running};
    running = true;
    handler();
  }
};

}  // namespace quellar::softgdi
