#include <algorithm>
#include <cctype>

#include "base/conversions.h"
#include "engine/engine.h"

namespace quellar::engine {
namespace {

std::string Normalise(std::string command) {
  const auto notSpace = [](char c) { return c != ' '; };
  command.erase(command.begin(), std::find_if(command.begin(), command.end(), notSpace));
  command.erase(std::find_if(command.rbegin(), command.rend(), notSpace).base(), command.end());
  for (char& c : command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return command;
}

}  // namespace

bool AsksForFullScreen(const std::string& commandLine) {
  const std::string switchText = Normalise(commandLine).substr(0, 2);
  return switchText.empty() || switchText == "/s";
}

void Engine::Main() {
  const std::string command = Normalise(platform_.CommandLine());
  const std::string switchText = command.substr(0, 2);

  // All three are asked, whatever the first answers.
  std::int32_t saverRunning = 0;
  platform_.SystemParameters(kSpiGetScreenSaverRunning, 0, saverRunning, 0);
  const bool prevInstance = platform_.PrevInstance();
  const bool isSave = switchText == "/s";
  if (isSave && prevInstance && saverRunning != 0) platform_.EndProcess();

  if (AsksForFullScreen(command)) {
    RunFullScreen();
  } else if (switchText == "/p") {
    RunPreview(command);
  } else if (switchText == "/c") {
    platform_.ShowSettingsDialog();
  } else if (switchText == "/a") {
    platform_.ShowMessageBox("Sorry, this function is not available.", kMbIconExclamation,
                             kAppTitle);
    platform_.EndProcess();
  }
}

void Engine::RunFullScreen() {
  state.runMode = kRunFullScreen;
  StartEngine();
  const auto [width, height] = ScreenPixels();
  const Handle window = platform_.MainWindow();
  platform_.SetWindowPos(window, kHwndTopmost, 0, 0, width, height, kSwpShowWindow);
  std::int32_t unused = 0;
  platform_.SystemParameters(kSpiSetScreenSaverRunning, static_cast<std::uint32_t>(-1), unused, 0);
  platform_.ShowCursor(false);
}

void Engine::StartFollower() {
  state.runMode = kRunFullScreen;
  StartEngine();
}

// The handle is the longest numeric tail of the whole command, so "/p 2690548" and
// "/p2690548" both give 2690548.
bool Engine::ParsePreviewParent(const std::string& command) {
  const std::optional<double> number = ParseNumber(command.substr(LongestNumberTail(command)));
  if (!number) return false;
  const std::optional<std::int32_t> handle = ToInt32(*number);
  if (!handle) return false;
  state.previewParent = *handle;
  return true;
}

void Engine::RunPreview(const std::string& command) {
  state.runMode = kRunPreview;
  // Without a host window there is nothing to draw into and nothing that could end the run.
  if (!ParsePreviewParent(command) ||
      !platform_.GetClientRect(state.previewParent, state.previewRect)) {
    platform_.EndProcess();
  }
  StartEngine();
  const Handle window = platform_.MainWindow();
  platform_.SetCaption(window, "Preview");
  const std::int32_t style = platform_.GetWindowLongValue(window, kGwlStyle);
  platform_.SetWindowLongValue(window, kGwlStyle, style | kWsChild);
  platform_.SetParent(window, state.previewParent);
  platform_.SetWindowLongValue(window, kGwlHwndParent, state.previewParent);
  platform_.SetWindowPos(window, 0, 0, 0, state.previewRect.right, state.previewRect.bottom,
                         kSwpNoZOrder | kSwpNoActivate | kSwpShowWindow);
}

}  // namespace quellar::engine
