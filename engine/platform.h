#pragma once
// The port: every service the engine asks of the operating system. Calls go one way: the engine
// calls these, and a platform delivers events to the handlers of frmMain. The arguments are the
// very ones a Win32 program passes, so a recording platform can check them and each platform
// maps them to its own terms. Names that windows.h turns into macros (MessageBox,
// GetWindowLong, SystemParametersInfo) are spelled differently here.

#include <cstdint>
#include <string>

#include "registry/registry_api.h"

namespace quellar {

// Window, device-context and bitmap handles are opaque values the platform hands out.
using Handle = std::intptr_t;

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

struct ScreenTwips {
  float width = 0.0f;
  float height = 0.0f;
};

enum class TimerId { Timer1, tmrOSD };

// Values passed through the port, as Win32 defines them.
inline constexpr Handle kHwndTopmost = -1;
inline constexpr Handle kHwndNoTopmost = -2;
inline constexpr std::uint32_t kSwpNoSize = 0x01;
inline constexpr std::uint32_t kSwpNoZOrder = 0x04;
inline constexpr std::uint32_t kSwpNoActivate = 0x10;
inline constexpr std::uint32_t kSwpShowWindow = 0x40;
inline constexpr std::int32_t kGwlStyle = -16;
inline constexpr std::int32_t kGwlHwndParent = -8;
inline constexpr std::int32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kSpiSetScreenSaverRunning = 97;
inline constexpr std::uint32_t kSpiGetScreenSaverRunning = 114;
inline constexpr std::uint32_t kMbIconExclamation = 48;
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;

// What the program knows about its own executable.
struct ProgramInfo {
  std::string path;  // directory of the executable, without a trailing separator (a root keeps it)
  std::string exeName;  // file name without its extension
  std::int32_t versionMajor = 0;
  std::int32_t versionMinor = 0;
  std::int32_t versionRevision = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Process.
  virtual std::string CommandLine() = 0;  // the arguments after the program's own name
  virtual ProgramInfo Program() = 0;
  virtual bool PrevInstance() = 0;  // another instance of this executable is running
  // Ends the process; never returns. Platforms unwind to their entry point so that every
  // resource they own is released in order.
  [[noreturn]] virtual void EndProcess() = 0;

  // System.
  virtual ScreenTwips ScreenSize() = 0;
  // A reading of the system clock at any resolution; the rain's generator mixes it in when it
  // reseeds.
  virtual std::uint64_t ClockReading() = 0;
  virtual std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam,
                                        std::int32_t& pvParam, std::uint32_t winIni) = 0;
  virtual std::int32_t ShowCursor(bool show) = 0;
  virtual void ShowMessageBox(const std::string& text, std::uint32_t flags,
                              const std::string& caption) = 0;
  virtual registry::RegistryApi& Registry() = 0;

  // The rain window frmMain. It is created hidden by its first use.
  virtual Handle MainWindow() = 0;
  virtual void SetCaption(Handle window, const std::string& caption) = 0;
  virtual std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x,
                                    std::int32_t y, std::int32_t width, std::int32_t height,
                                    std::uint32_t flags) = 0;
  virtual std::int32_t GetWindowLongValue(Handle window, std::int32_t index) = 0;
  virtual std::intptr_t SetWindowLongValue(Handle window, std::int32_t index,
                                           std::intptr_t value) = 0;
  virtual Handle SetParent(Handle window, Handle parent) = 0;
  virtual bool GetClientRect(Handle window, Rect& rect) = 0;
  virtual void CloseMainWindow() = 0;

  // The two timers of frmMain. Setting the interval or enabling restarts the countdown; an
  // interval of 0 never fires.
  virtual void SetTimerInterval(TimerId timer, std::int32_t milliseconds) = 0;
  virtual std::int32_t TimerInterval(TimerId timer) = 0;
  virtual void SetTimerEnabled(TimerId timer, bool enabled) = 0;

  // The settings dialog frmSettings, shown modally; returns when it has closed.
  virtual void ShowSettingsDialog() = 0;

  // Drawing.
  virtual Handle GetWindowDC(Handle window) = 0;
  virtual Handle CreateCompatibleDC(Handle dc) = 0;
  virtual Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) = 0;
  virtual Handle SelectObject(Handle dc, Handle object) = 0;
  virtual bool DeleteDC(Handle dc) = 0;
  // The program's bitmap resource `id`. A resource that is missing or malformed raises a
  // RuntimeError naming it.
  virtual Handle LoadBitmapResource(std::int16_t id) = 0;
  virtual bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, Handle source, std::int32_t sourceX,
                      std::int32_t sourceY, std::uint32_t rop) = 0;
};

}  // namespace quellar
