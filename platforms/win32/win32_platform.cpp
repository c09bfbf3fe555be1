#include "platforms/win32/win32_platform.h"

#include "platforms/forms/process_end.h"
#include "platforms/win32/monitor_query.h"
#include "platforms/win32/program_info.h"
#include "platforms/win32/settings_dialog.h"
#include "registry/default_store.h"

namespace quellar::win32 {

Win32Platform::Win32Platform(HINSTANCE instance, RunEnd& runEnd, PixelCopies& copies)
    : instance_(instance),
      instanceMutex_(ExecutablePath()),
      copies_(copies),
      surface_(copies),
      window_(instance, runEnd, surface_) {}

std::string Win32Platform::CommandLine() {
  return std::string(ArgumentsOf(GetCommandLineA()));
}

ProgramInfo Win32Platform::Program() {
  return CurrentProgram();
}

// Unwinds to the entry point, which releases everything in order; the window procedure
// catches it on the way, so it never crosses the system's frames.
void Win32Platform::EndProcess() {
  throw ProcessEnd{0};
}

// The process is DPI-aware, so the monitors' rectangles are in pixels at any scaling, and a
// full-screen run covers each monitor pixel for pixel.
std::vector<monitors::MonitorInfo> Win32Platform::Monitors() {
  return QueryMonitors();
}

ScreenTwips Win32Platform::ScreenSize() {
  constexpr float kTwipsPerPixel = 15.0f;
  return {static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * kTwipsPerPixel,
          static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * kTwipsPerPixel};
}

std::int32_t Win32Platform::SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                             std::int32_t& pvParam, std::uint32_t winIni) {
  return desktop_.SystemParameters(action, uiParam, &pvParam, winIni);
}

void Win32Platform::ShowMessageBox(const std::string& text, std::uint32_t flags,
                                   const std::string& caption) {
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags | MB_OK);
}

// Opened on first use: runs that never touch the settings never open the store.
registry::RegistryApi& Win32Platform::Registry() {
  if (!registry_) registry_ = registry::OpenDefaultRegistry();
  return *registry_;
}

void Win32Platform::SetCaption(Handle window, const std::string& caption) {
  SetWindowTextA(FromHandle<HWND>(window), caption.c_str());
}

std::int32_t Win32Platform::SetWindowPos(Handle window, Handle insertAfter, std::int32_t x,
                                         std::int32_t y, std::int32_t width, std::int32_t height,
                                         std::uint32_t flags) {
  surface_.WindowChanged();
  return ::SetWindowPos(FromHandle<HWND>(window), FromHandle<HWND>(insertAfter), x, y, width,
                        height, flags);
}

std::int32_t Win32Platform::GetWindowLongValue(Handle window, std::int32_t index) {
  return GetWindowLongA(FromHandle<HWND>(window), index);
}

std::intptr_t Win32Platform::SetWindowLongValue(Handle window, std::int32_t index,
                                                std::intptr_t value) {
  return SetWindowLongPtrA(FromHandle<HWND>(window), index, value);
}

Handle Win32Platform::SetParent(Handle window, Handle parent) {
  surface_.WindowChanged();
  return ToHandle(::SetParent(FromHandle<HWND>(window), FromHandle<HWND>(parent)));
}

bool Win32Platform::GetClientRect(Handle window, Rect& rect) {
  RECT client;
  if (!::GetClientRect(FromHandle<HWND>(window), &client)) return false;
  rect = {client.left, client.top, client.right, client.bottom};
  return true;
}

void Win32Platform::SetTimerInterval(TimerId timer, std::int32_t milliseconds) {
  window_.SetTimerInterval(timer, milliseconds);
}

void Win32Platform::SetTimerEnabled(TimerId timer, bool enabled) {
  window_.SetTimerEnabled(timer, enabled);
}

void Win32Platform::ShowSettingsDialog() {
  const ProgramInfo program = Program();
  RunSettingsDialog(instance_, Registry(),
                    {program.versionMajor, program.versionMinor, program.versionRevision});
}

}  // namespace quellar::win32
