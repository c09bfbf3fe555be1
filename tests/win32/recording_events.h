#pragma once
// A WindowEvents that writes down every event, one line each, and can be told to throw.

#include <functional>
#include <string>
#include <vector>

#include "windows/win32/window_events.h"

namespace quellar::win32::testing {

class RecordingEvents final : public WindowEvents {
 public:
  void KeyDown(std::int16_t keyCode, std::int16_t shift) override {
    Record("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
  }
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override {
    Record("MouseDown " + std::to_string(button) + " " + std::to_string(shift) + " " + Twips(x) +
           " " + Twips(y));
  }
  void DblClick() override { Record("DblClick"); }
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
    Record("MouseMove " + std::to_string(button) + " " + std::to_string(shift) + " " + Twips(x) +
           " " + Twips(y));
  }
  void Timer(TimerId timer) override { Record(timer == TimerId::Timer1 ? "Timer1" : "tmrOSD"); }
  void Paint() override { Record("Paint"); }

  std::vector<std::string> events;
  // Runs inside every handler after it has been recorded (to throw, for instance).
  std::function<void()> onEvent;

 private:
  static std::string Twips(float value) { return std::to_string(static_cast<int>(value)); }
  void Record(std::string event) {
    events.push_back(std::move(event));
    if (onEvent) onEvent();
  }
};

}  // namespace quellar::win32::testing
