#include "platforms/web/page.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <random>
#include <string>

#include "platforms/web/key_codes.h"
#include "platforms/web/page_calls.h"

namespace quellar::web {
namespace {

// What the line beside the last frame of a run says.
std::string EndedLine(const std::string& error) {
  const std::string what = error.empty() ? "The run has ended." : "The run stopped: " + error + ".";
  return what + " Press a key or click to start it again.";
}

std::optional<std::int64_t> UrlNumber(const char* name) {
  const double number = quellar_url_number(name);
  if (number < 0) return std::nullopt;
  return static_cast<std::int64_t>(number);
}

std::string PageDirectory() {
  std::string directory(2048, '\0');
  quellar_page_directory(directory.data(), static_cast<std::int32_t>(directory.size()));
  directory.resize(directory.find('\0'));
  return directory;
}

// Adds the time until it goes to the page's busy time: what its handlers cost the browser.
class BusyTime {
 public:
  explicit BusyTime(double& total) : total_(total), start_(emscripten_get_now()) {}
  ~BusyTime() { total_ += emscripten_get_now() - start_; }
  BusyTime(const BusyTime&) = delete;
  BusyTime& operator=(const BusyTime&) = delete;

 private:
  double& total_;
  double start_;
};

}  // namespace

Page::Page()
    : store_(registry::OpenDefaultStore()),
      seed_(UrlNumber("seed")),
      virtualTicks_(seed_ ? UrlNumber("ticks") : std::nullopt) {
  const BusyTime busy(busyMilliseconds_);
  quellar_canvas_fit(&width_, &height_);
  StartRun();
  if (virtualTicks_) run_->RunTicks(*virtualTicks_);
  Settle();
}

void Page::StartRun() {
  quellar_page_line(nullptr);
  RunSettings settings{width_, height_, seed_.value_or(std::random_device{}()),
                       virtualTicks_ ? Clock::kVirtual : Clock::kPage, PageDirectory()};
  // The run before goes first: it may still hold the canvas's pointer.
  run_.reset();
  run_ = std::make_unique<PageRun>(*store_, std::move(settings));
  ++runs_;
  endSaved_ = false;
  run_->Start();
}

bool Page::KeyDown(const char* code, bool repeated) {
  if (virtualTicks_) return false;
  const BusyTime busy(busyMilliseconds_);
  const std::optional<std::int16_t> key = VirtualKeyOfCode(code);
  if (run_->Ended()) {
    if (!repeated) StartRun();
  } else if (key) {
    run_->KeyDown(*key);
  }
  Settle();
  return key && RunActsOn(*key);
}

void Page::MouseDown(double milliseconds, PointerPosition at) {
  if (virtualTicks_) return;
  const BusyTime busy(busyMilliseconds_);
  if (run_->Ended()) {
    StartRun();
  } else {
    run_->MouseDown(milliseconds, at);
  }
  Settle();
}

void Page::MouseMove(PointerPosition at) {
  if (virtualTicks_) return;
  const BusyTime busy(busyMilliseconds_);
  run_->MouseMove(at);
  Settle();
}

void Page::TimerDue() {
  const BusyTime busy(busyMilliseconds_);
  timeout_ = 0;
  run_->RunDueTimers();
  Settle();
}

// The still picture of the virtual clock keeps its size: fitting the canvas would blank it.
void Page::SizeChanged() {
  if (virtualTicks_) return;
  const BusyTime busy(busyMilliseconds_);
  const std::int32_t width = width_;
  const std::int32_t height = height_;
  quellar_canvas_fit(&width_, &height_);
  if (width_ == width && height_ == height) return;
  SaveSettings();
  StartRun();
  Settle();
}

void Page::Hidden() {
  const BusyTime busy(busyMilliseconds_);
  SaveSettings();
}

void Page::SaveSettings() {
  if (!run_->Ended()) run_->StoreSettings();
  store_->Save();
}

void Page::Settle() {
  if (run_->Ended() && !endSaved_) {
    endSaved_ = true;
    store_->Save();
    quellar_page_line(EndedLine(run_->Error()).c_str());
  }
  ScheduleTimer();
  quellar_page_publish(runs_, static_cast<double>(run_->Ticks()), run_->Ended(),
                       run_->Error().empty() ? nullptr : run_->Error().c_str(), busyMilliseconds_);
}

void Page::ScheduleTimer() {
  if (timeout_ != 0) emscripten_clear_timeout(timeout_);
  timeout_ = 0;
  if (virtualTicks_) return;
  const std::optional<double> wait = run_->MillisecondsToNextTimer();
  if (!wait) return;
  timeout_ =
      emscripten_set_timeout([](void* page) { static_cast<Page*>(page)->TimerDue(); }, *wait, this);
}

}  // namespace quellar::web
