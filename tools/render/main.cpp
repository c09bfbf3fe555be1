// quellar-render: runs the real engine on the memory platform and writes its pictures.

#include <fstream>
#include <iostream>
#include <memory>

#include "platforms/memory/memory_run.h"
#include "registry/sqlite/sqlite_store.h"
#include "tools/render/png_writer.h"
#include "tools/render/render_options.h"
#include "tools/render/resident_memory.h"
#include "tools/render/state_json.h"

namespace quellar::render {
namespace {

constexpr int kStillRunning = 0;
constexpr int kRuntimeError = 1;
constexpr int kBadOption = 2;
constexpr int kStoreNotUsable = 3;
constexpr int kEnded = 10;

memory::MemoryConfig ConfigOf(const RenderOptions& options) {
  memory::MemoryConfig config;
  config.commandLine = options.commandLine;
  config.screenWidth = options.screenWidth;
  config.screenHeight = options.screenHeight;
  config.monitors = options.monitors;
  config.hostWindows[1] = Rect{0, 0, options.hostWidth, options.hostHeight};
  config.seed = options.seed;
  // A long run would keep every call it makes; nothing here reads them.
  config.logging = memory::Logging::kOff;
  return config;
}

bool WritePicture(const memory::MemoryRun& run, const std::string& file) {
  const std::string error = WritePng(run.Platform().Frame(), file);
  if (!error.empty()) {
    std::cerr << "quellar-render: " << error << "\n";
    return false;
  }
  std::cout << "wrote " << file << " (" << run.Platform().Frame().width << "x"
            << run.Platform().Frame().height << ", after tick " << run.Timer1Ticks() << ")\n";
  return true;
}

bool WriteState(const memory::MemoryRun& run, const std::string& file) {
  std::ofstream out(file);
  out << StateJson(run.Engine().state);
  if (!out.flush()) {
    std::cerr << "quellar-render: " << file << ": cannot be written\n";
    return false;
  }
  std::cout << "wrote " << file << "\n";
  return true;
}

void PrintResidentSize(std::int64_t tick) {
  const std::optional<std::int64_t> kilobytes = ResidentKilobytes();
  // Flushed: a long run shows its progress as it goes.
  std::cout << "tick " << tick << ": resident "
            << (kilobytes ? std::to_string(*kilobytes) + " kB" : "unknown") << std::endl;
}

void PrintEnd(const memory::MemoryRun& run) {
  if (!run.Error().empty()) {
    std::cerr << "quellar-render: run-time error: " << run.Error() << "\n";
    std::cout << "the program stopped with a run-time error at " << *run.EndedAt() << " ms in tick "
              << run.Timer1Ticks() << "\n";
  } else if (run.Ended()) {
    std::cout << "the program ended at " << *run.EndedAt() << " ms after " << run.Timer1Ticks()
              << " ticks\n";
  } else {
    std::cout << "still running at " << run.Now() << " ms after " << run.Timer1Ticks()
              << " ticks\n";
  }
}

void Advance(memory::MemoryRun& run, const RenderOptions& options) {
  if (options.ticks) {
    run.RunTicks(*options.ticks - run.Timer1Ticks());
  } else {
    run.RunUntil(*options.milliseconds);
  }
}

int Render(const RenderOptions& options) {
  registry::SqliteStore store(options.storeFile, {[](const std::string& line) {
                                std::cerr << "quellar-render: " << line << "\n";
                              }});
  memory::MemoryRun run(store, ConfigOf(options));
  for (const memory::ScriptedEvent& event : options.events) run.Schedule(event);
  bool written = true;
  run.OnTimer1([&](std::int64_t tick) {
    for (const PictureAt& picture : options.pictures) {
      if (picture.tick == tick) written = WritePicture(run, picture.file) && written;
    }
    if (options.residentEvery > 0 && tick % options.residentEvery == 0) PrintResidentSize(tick);
  });
  run.Start();
  Advance(run, options);
  store.FinishPendingWrites();
  PrintEnd(run);
  if (run.Platform().Frame().Pixels().empty()) {
    std::cout << "no window was shown: no picture written\n";
  } else {
    written = WritePicture(run, options.pngFile) && written;
  }
  if (!options.stateFile.empty()) written = WriteState(run, options.stateFile) && written;
  if (!written || !run.Error().empty()) return kRuntimeError;
  if (store.Reported()) return kStoreNotUsable;
  return run.Ended() ? kEnded : kStillRunning;
}

}  // namespace
}  // namespace quellar::render

int main(int argc, char** argv) {
  using namespace quellar::render;
  const std::vector<std::string> args(argv + 1, argv + argc);
  auto parsed = ParseRenderOptions(args);
  if (const std::string* error = std::get_if<std::string>(&parsed)) {
    std::cerr << "quellar-render: " << *error << "\n";
    return kBadOption;
  }
  const RenderOptions& options = std::get<RenderOptions>(parsed);
  if (options.help) {
    std::cout << kRenderUsage;
    return 0;
  }
  return Render(options);
}
