#include <algorithm>
#include <string>

#include "engine/engine.h"
#include "engine/runtime_error.h"
#include "engine/virtual_keys.h"

namespace quellar::engine {
namespace {

// The number right-aligned in a field of `width` characters, after `label`, with a trailing
// space that the display shows as a blank cell.
std::string Message(const char* label, std::int32_t number, std::size_t width) {
  const std::string digits = std::to_string(number);
  const std::size_t padding = digits.size() < width ? width - digits.size() : 0;
  return label + std::string(padding, ' ') + digits + " ";
}

}  // namespace

void Engine::HandleKey(const std::int16_t& keyCode) {
  if (state.runMode != kRunFullScreen) return;
  if (keyCode == kKeySpace || keyCode == kKeyEscape) {
    if (state.failPhase == 0) {
      state.failPhase = 1;
    } else {
      Shutdown();
    }
  }
  // While the failure sequence runs only Space and Escape act.
  if (state.failPhase > 0) return;

  switch (keyCode) {
    case kKeyEnter:
      Settle(kRandmSetting);
      state.randomDeleting = state.randomDeleting != 0 ? kFalse : kTrue;
      ShowOsd(state.randomDeleting != 0 ? "Random deleting ON " : "Random deleting OFF ");
      break;
    case kKeyHome:
      ResetToDefaults();
      break;
    case kKeyMultiply:
      if (state.chainLength < LongestChain()) state.chainLength = Checked16(state.chainLength + 1);
      ChooseChainLength();
      break;
    case kKeyAdd:
      Settle(kSpeedSetting);
      // Never below 1: the timer would refuse an interval of 0 or less and end the program
      // with the desktop still in the screen-saver state.
      if (state.tickInterval > 1) {
        state.tickInterval = std::max<std::int16_t>(1, Checked16(state.tickInterval - 10));
      }
      ShowSpeed();
      break;
    case kKeySubtract:
      Settle(kSpeedSetting);
      if (state.tickInterval < 1001) state.tickInterval = Checked16(state.tickInterval + 10);
      ShowSpeed();
      break;
    case kKeyDivide:
      if (state.chainLength > 2) state.chainLength = Checked16(state.chainLength - 1);
      ChooseChainLength();
      break;
    case kKeyF1:
      ToggleHelp();
      break;
    default:
      break;
  }
}

// The speed shown is a percentage of the fastest interval, read back from the timer.
void Engine::ShowSpeed() {
  SetTimer1Interval(state.tickInterval);
  const auto interval = static_cast<std::int16_t>(platform_.TimerInterval(TimerId::Timer1));
  const std::int16_t percentage = RoundTo16(100.0 - (interval - 1) / 10.0);
  ShowOsd(Message("Speed:", percentage, 4));
}

// What a chain key leaves is the user's choice, stored at the end of the run. The length shown
// counts the cells a chain shows, one less than chainLength.
void Engine::ChooseChainLength() {
  Settle(kChainSetting);
  state.chainSetting = state.chainLength;
  ShowOsd(Message("Chain length:", Checked16(state.chainLength - 1), 3));
}

void Engine::ResetToDefaults() {
  Settle(kEveryHotkeySetting);
  state.tickInterval = kDefaultInterval;
  SetTimer1Interval(kDefaultInterval);
  state.chainSetting = kDefaultChain;
  state.chainLength = CutChain(kDefaultChain);
  state.randomDeleting = kTrue;
  ShowOsd("Settings reseted ");
}

}  // namespace quellar::engine
