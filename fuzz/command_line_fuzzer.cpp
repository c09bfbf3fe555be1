// The command line through the real Main on the memory platform, against the rules: spaces
// trimmed and letters lowered, two characters choose, "/s" refused while another instance runs
// a screen saver, and a preview inside the window of the longest numeric tail of the command.
// Only the two runs may touch the settings store.

#include <algorithm>
#include <string>

#include "fuzz/check.h"
#include "fuzz/number_model.h"
#include "registry/registry_api.h"
#include "windows/memory/memory_run.h"

namespace quellar::fuzz {
namespace {

using registry::HKey;

// A store that holds nothing and counts the calls made to it.
class CountingStore final : public registry::RegistryApi {
 public:
  int calls = 0;
  std::int32_t CreateKey(HKey, const std::string&, std::uint32_t, std::uint32_t, HKey&) override {
    return Refuse();
  }
  std::int32_t OpenKey(HKey, const std::string&, std::uint32_t, std::uint32_t, HKey&) override {
    return Refuse();
  }
  std::int32_t SetValue(HKey, const std::string&, std::uint32_t, const std::uint8_t*,
                        std::uint32_t) override {
    return Refuse();
  }
  std::int32_t QueryValue(HKey, const std::string&, std::uint32_t&, std::uint8_t*,
                          std::uint32_t&) override {
    return Refuse();
  }
  std::int32_t CloseKey(HKey) override { return Refuse(); }
  bool FindOrdinaryFile(const std::string&) override { return Refuse() == 0; }

 private:
  std::int32_t Refuse() {
    ++calls;
    return registry::kErrorAccessDenied;
  }
};

struct Outcome {
  std::int32_t runMode = 0;
  bool running = false;
  Handle parent = 0;
  bool dialog = false;
  bool notice = false;
  bool storeUsed = false;
  bool operator==(const Outcome&) const = default;
};

std::string Normalised(std::string_view command) {
  std::string text(TrimmedOfSpaces(command));
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// The handle a preview takes: the longest numeric tail, rounded; none when its value does not
// fit a double or a 32-bit handle.
std::optional<std::int32_t> PreviewHandle(const std::string& command) {
  return InRange<std::int32_t>(
      NumberOf(std::string_view(command).substr(FirstNumberTail(command))));
}

Outcome Expected(const memory::MemoryConfig& config) {
  const std::string command = Normalised(config.commandLine);
  const std::string switchText = command.substr(0, 2);
  Outcome outcome;
  if (switchText == "/s" && config.prevInstance && config.screenSaverRunning != 0) return outcome;
  if (switchText.empty() || switchText == "/s") return {1, true, 0, false, false, true};
  if (switchText == "/c") return {0, false, 0, true, false, false};
  if (switchText == "/a") return {0, false, 0, false, true, false};
  if (switchText != "/p") return outcome;
  outcome.runMode = 4;
  const std::optional<std::int32_t> handle = PreviewHandle(command);
  if (handle && config.hostWindows.count(*handle) != 0) {
    outcome.running = outcome.storeUsed = true;
    outcome.parent = *handle;
  }
  return outcome;
}

Outcome Observed(memory::MemoryRun& run, const CountingStore& store) {
  const memory::MemoryPlatform& platform = run.Platform();
  const std::vector<std::string> notice{"Sorry, this function is not available."};
  Check(run.Ended() != platform.Window().visible, "a window is shown exactly while a run goes on");
  return {run.Engine().state.runMode,        !run.Ended(),
          platform.Window().parent,          platform.SettingsDialogShown(),
          platform.MessageBoxes() == notice, store.calls != 0};
}

}  // namespace
}  // namespace quellar::fuzz

// The first byte sets the previous-instance flag, the system's screen-saver flag and whether
// the host has a window of the handle the command names; the rest is the command line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quellar;
  if (size == 0) return 0;
  memory::MemoryConfig config;
  config.screenWidth = 64;
  config.screenHeight = 48;
  config.prevInstance = (data[0] & 1) != 0;
  config.screenSaverRunning = (data[0] & 2) != 0 ? 1 : 0;
  config.commandLine.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto handle = fuzz::PreviewHandle(fuzz::Normalised(config.commandLine));
  if ((data[0] & 4) != 0 && handle) config.hostWindows[*handle] = Rect{0, 0, 152, 112};

  fuzz::CountingStore store;
  memory::MemoryRun run(store, config);
  run.Start();
  fuzz::Check(fuzz::Observed(run, store) == fuzz::Expected(config), "outcome", config.commandLine);
  return 0;
}
