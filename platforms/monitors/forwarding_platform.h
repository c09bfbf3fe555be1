#pragma once
// A platform that passes every call on to another one; a decorator overrides what it changes.

#include "engine/platform.h"

namespace quellar::monitors {

class ForwardingPlatform : public Platform {
 public:
  explicit ForwardingPlatform(Platform& inner) : inner_(inner) {}

  std::string CommandLine() override { return inner_.CommandLine(); }
  ProgramInfo Program() override { return inner_.Program(); }
  bool PrevInstance() override { return inner_.PrevInstance(); }
  // Never returns: the inner platform ends the process.
  void EndProcess() override { inner_.EndProcess(); }
  ScreenTwips ScreenSize() override { return inner_.ScreenSize(); }
  std::uint64_t ClockReading() override { return inner_.ClockReading(); }
  std::int32_t SystemParameters(std::uint32_t action, std::uint32_t uiParam, std::int32_t& pvParam,
                                std::uint32_t winIni) override {
    return inner_.SystemParameters(action, uiParam, pvParam, winIni);
  }
  std::int32_t ShowCursor(bool show) override { return inner_.ShowCursor(show); }
  void ShowMessageBox(const std::string& text, std::uint32_t flags,
                      const std::string& caption) override {
    inner_.ShowMessageBox(text, flags, caption);
  }
  registry::RegistryApi& Registry() override { return inner_.Registry(); }
  Handle MainWindow() override { return inner_.MainWindow(); }
  void SetCaption(Handle window, const std::string& caption) override {
    inner_.SetCaption(window, caption);
  }
  std::int32_t SetWindowPos(Handle window, Handle insertAfter, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, std::uint32_t flags) override {
    return inner_.SetWindowPos(window, insertAfter, x, y, width, height, flags);
  }
  std::int32_t GetWindowLongValue(Handle window, std::int32_t index) override {
    return inner_.GetWindowLongValue(window, index);
  }
  std::intptr_t SetWindowLongValue(Handle window, std::int32_t index,
                                   std::intptr_t value) override {
    return inner_.SetWindowLongValue(window, index, value);
  }
  Handle SetParent(Handle window, Handle parent) override {
    return inner_.SetParent(window, parent);
  }
  bool GetClientRect(Handle window, Rect& rect) override {
    return inner_.GetClientRect(window, rect);
  }
  void CloseMainWindow() override { inner_.CloseMainWindow(); }
  void SetTimerInterval(TimerId timer, std::int32_t milliseconds) override {
    inner_.SetTimerInterval(timer, milliseconds);
  }
  std::int32_t TimerInterval(TimerId timer) override { return inner_.TimerInterval(timer); }
  void SetTimerEnabled(TimerId timer, bool enabled) override {
    inner_.SetTimerEnabled(timer, enabled);
  }
  void ShowSettingsDialog() override { inner_.ShowSettingsDialog(); }
  Handle GetWindowDC(Handle window) override { return inner_.GetWindowDC(window); }
  Handle CreateCompatibleDC(Handle dc) override { return inner_.CreateCompatibleDC(dc); }
  Handle CreateCompatibleBitmap(Handle dc, std::int32_t width, std::int32_t height) override {
    return inner_.CreateCompatibleBitmap(dc, width, height);
  }
  Handle SelectObject(Handle dc, Handle object) override { return inner_.SelectObject(dc, object); }
  bool DeleteDC(Handle dc) override { return inner_.DeleteDC(dc); }
  Handle LoadBitmapResource(std::int16_t id) override { return inner_.LoadBitmapResource(id); }
  bool BitBlt(Handle destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, Handle source, std::int32_t sourceX, std::int32_t sourceY,
              std::uint32_t rop) override {
    return inner_.BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
  }

 protected:
  Platform& Inner() { return inner_; }

 private:
  Platform& inner_;
};

}  // namespace quellar::monitors
