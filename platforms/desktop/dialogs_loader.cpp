#include "platforms/desktop/dialogs_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>

#include "platforms/desktop/loaded_image_digest.h"

namespace quellar::desktop {
namespace {

std::string LoadError() {
  const char* error = dlerror();
  return error != nullptr ? error : "unknown error";
}

std::filesystem::path FindModule(const std::string& executablePath) {
  const std::filesystem::path directory = std::filesystem::path(executablePath).parent_path();
  const std::array<std::filesystem::path, 2> candidates{
      directory / gtk::kDialogsModuleName,
      (directory / QUELLAR_DIALOGS_INSTALLED_DIR / gtk::kDialogsModuleName).lexically_normal()};
  const auto found = std::find_if(candidates.begin(), candidates.end(), [](const auto& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
  });
  if (found == candidates.end()) {
    throw DialogsModuleError("the dialogs module is missing: neither " + candidates[0].string() +
                             " nor " + candidates[1].string() + " exists");
  }
  return *found;
}

// Before dlopen maps the file: it would touch pages past the end of one cut short (SIGBUS).
void CheckDigest(const std::filesystem::path& module) {
  const LoadedImageDigest image = DigestLoadedImage(module);
  if (image.digest.empty()) {
    throw DialogsModuleError("the dialogs module " + module.string() + " " + image.problem);
  }
  if (image.digest != kDialogsModuleDigest) {
    throw DialogsModuleError("the dialogs module " + module.string() +
                             " is altered or of another build: its digest is not this build's");
  }
}

}  // namespace

// RTLD_NODELETE: GTK leaves handlers and types behind that outlive any unloading.
DialogsModule::DialogsModule(const std::string& executablePath) {
  const std::filesystem::path module = FindModule(executablePath);
  CheckDigest(module);
  handle_.reset(dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
  if (!handle_) throw DialogsModuleError("cannot load the dialogs module: " + LoadError());
  api_ = static_cast<const gtk::DialogsApi*>(dlsym(handle_.get(), gtk::kDialogsApiSymbol));
  if (api_ == nullptr || std::strcmp(api_->build, gtk::kDialogsBuild) != 0) {
    throw DialogsModuleError(module.string() + " is not the dialogs module of this build (" +
                             gtk::kDialogsBuild + ")");
  }
}

void DialogsModule::Closer::operator()(void* handle) const {
  dlclose(handle);
}

}  // namespace quellar::desktop
