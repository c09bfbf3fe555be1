// The command line through the real Main on the memory platform against the rules, among them
// the handle of a preview: the longest numeric tail, dropping one leading character at a time.

#include "fuzz/number_model.h"
#include "platforms/memory/memory_run.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"

namespace quellar::fuzz {
namespace {
// Run mode, the parent of a run that goes on (-1 once the process has ended), whether the
// dialog and the notice showed, whether the store was used.
using Outcome = std::tuple<std::int32_t, Handle, bool, bool, bool>;

std::string Normalised(const std::string& commandLine) {
  return Folded(TrimmedOfSpaces(commandLine), tolower);
}

// `handle`: the rounded value of the longest numeric tail, if a double and a handle hold it.
Outcome Expected(const memory::MemoryConfig& config, std::optional<std::int32_t> handle) {
  const std::string switchText = Normalised(config.commandLine).substr(0, 2);
  const bool refused = switchText == "/s" && config.prevInstance && config.screenSaverRunning;
  if (!refused && (switchText.empty() || switchText == "/s")) return {1, 0, false, false, true};
  if (switchText == "/c" || switchText == "/a")
    return {0, -1, switchText == "/c", switchText == "/a", false};
  const bool hosted = handle && config.hostWindows.count(*handle) != 0;
  if (switchText != "/p" || refused) return {0, -1, false, false, false};
  return {4, hosted ? *handle : -1, false, false, hosted};
}

// A run records the installation before it reads a setting: a store with the record was used.
Outcome Observed(memory::MemoryRun& run, registry::RegistryApi& store) {
  const memory::MemoryPlatform& platform = run.Platform();
  const bool storeUsed =
      !modRegistry::GetSetting(store, engine::kAppTitle, "Exe_Name", "", "S").empty();
  const std::vector<std::string> notice{"Sorry, this function is not available."};
  return {run.Engine().state.runMode, run.Ended() ? -1 : platform.Window().parent,
          platform.SettingsDialogShown(), platform.MessageBoxes() == notice, storeUsed};
}
}  // namespace
}  // namespace quellar::fuzz

// The first byte sets the previous-instance flag, the system's screen-saver flag and whether
// the host has a window of the handle the command names; the rest is the command line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quellar;
  if (size == 0) return 0;
  memory::MemoryConfig config{.screenWidth = 64, .screenHeight = 48};
  config.prevInstance = (data[0] & 1) != 0;
  config.screenSaverRunning = (data[0] & 2) != 0 ? 1 : 0;
  config.commandLine.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string command = fuzz::Normalised(config.commandLine);
  const auto handle = fuzz::InRange<std::int32_t>(
      fuzz::NumberOf(std::string_view(command).substr(fuzz::FirstNumberTail(command))));
  if ((data[0] & 4) != 0 && handle) config.hostWindows[*handle] = Rect{0, 0, 152, 112};
  registry::SqliteStore store(":memory:");
  memory::MemoryRun run(store, config);
  run.Start();
  fuzz::Check(fuzz::Observed(run, store) == fuzz::Expected(config, handle), "outcome",
              config.commandLine);
  return 0;
}
