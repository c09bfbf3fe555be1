#include "platforms/desktop/desktop_platform.h"

#include <chrono>
#include <iostream>
#include <span>
#include <utility>
#include <variant>

#include "engine/runtime_error.h"
#include "platforms/desktop/loop_connection.h"
#include "platforms/desktop/no_display_error.h"
#include "platforms/desktop/program_info.h"
#include "platforms/forms/frm_main.h"
#include "platforms/forms/process_end.h"
#include "platforms/softgdi/bmp.h"
#include "registry/sqlite/default_store.h"
#include "resources/embedded.h"

namespace quellar::desktop {
namespace {

constexpr std::int16_t kSettingsBanner = 105;

}  // namespace

DesktopPlatform::DesktopPlatform(std::string commandLine, FreshStartSignal freshStart,
                                 InstanceCheck instances)
    : signals_(freshStart),
      commandLine_(std::move(commandLine)),
      program_(DescribeProgram(ExecutablePath())),
      instanceLock_(instances == InstanceCheck::kTaken
                        ? InstanceLock::ForExecutable(program_.exeName)
                        : InstanceLock::NotTaken()) {
  ResetTimers();
}

void DesktopPlatform::ResetTimers() {
  timers_ = FormTimers(kNanosecondsPerMillisecond);
  timers_.AdvanceTo(MonotonicNanoseconds());
  timers_.SetInterval(TimerId::Timer1, kTimer1DesignInterval);
  timers_.SetInterval(TimerId::tmrOSD, kTmrOsdInterval);
}

void DesktopPlatform::EndProcess() {
  throw ProcessEnd{0};
}

std::uint64_t DesktopPlatform::ClockReading() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

void DesktopPlatform::ShowMessageBox(const std::string& text, std::uint32_t flags,
                                     const std::string& caption) {
  if (!Dialogs().showMessageBox(text, flags, caption, signals_.Descriptor())) {
    std::cerr << caption << ": " << text << '\n';
  }
}

registry::RegistryApi& DesktopPlatform::Registry() {
  if (!registry_) {
    registry_ = registry::OpenDefaultStore(
        {[](const std::string& line) { std::cerr << "quellar: " << line << '\n'; }});
  }
  return *registry_;
}

void DesktopPlatform::FinishStore() {
  if (registry_) registry_->FinishPendingWrites();
}

void DesktopPlatform::SetTimerInterval(TimerId timer, std::int32_t milliseconds) {
  timers_.AdvanceTo(MonotonicNanoseconds());
  timers_.SetInterval(timer, milliseconds);
}

void DesktopPlatform::SetTimerEnabled(TimerId timer, bool enabled) {
  timers_.AdvanceTo(MonotonicNanoseconds());
  timers_.SetEnabled(timer, enabled);
}

// The store is opened only once the dialog can be shown. A banner that is missing or
// malformed leaves its place empty.
void DesktopPlatform::ShowSettingsDialog() {
  const gtk::DialogsApi& dialogs = Dialogs();
  if (!dialogs.canShowSettingsWindow()) throw NoDisplayError(NoDisplayMessage());
  const softgdi::DecodedBmp banner = softgdi::DecodeBmp(resources::EmbeddedBitmap(kSettingsBanner));
  dialogs.showSettingsWindow(
      Registry(), {program_.versionMajor, program_.versionMinor, program_.versionRevision},
      std::get_if<softgdi::Surface>(&banner), signals_.Descriptor());
}

const gtk::DialogsApi& DesktopPlatform::Dialogs() {
  if (!dialogs_) dialogs_.emplace(ExecutablePath());
  return dialogs_->Api();
}

Handle DesktopPlatform::LoadBitmapResource(std::int16_t id) {
  const std::string name = "bitmap resource " + std::to_string(id);
  const std::span<const std::uint8_t> file = resources::EmbeddedBitmap(id);
  if (file.empty()) throw RuntimeError(name + " is missing");
  softgdi::DecodedBmp decoded = softgdi::DecodeBmp(file);
  if (const std::string* problem = std::get_if<std::string>(&decoded)) {
    throw RuntimeError(name + ": " + *problem);
  }
  return Gdi().AddBitmap(std::move(std::get<softgdi::Surface>(decoded)));
}

}  // namespace quellar::desktop
