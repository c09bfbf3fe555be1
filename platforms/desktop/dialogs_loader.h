#pragma once
// The program's side of the dialogs module (platforms/gtk/dialogs_api.h): found beside the
// executable, as the build tree has it, or where the install put it, relative to the executable
// so that an unpacked tree works too. Loaded only when a dialog is to be shown.

#include <memory>
#include <stdexcept>
#include <string>

#include "platforms/gtk/dialogs_api.h"

namespace quellar::desktop {

// The digest of the dialogs module built with the program (loaded_image_digest.h), which the
// build writes into the program once the module is linked: a module cut short by a half-written
// upgrade, or altered, is refused before it is mapped.
extern const char kDialogsModuleDigest[];

// A module that is missing, cut short, altered, cannot be loaded, or is not of this build; the
// message says which and where.
class DialogsModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class DialogsModule {
 public:
  // Loads the module for the executable at `executablePath`; raises a DialogsModuleError.
  explicit DialogsModule(const std::string& executablePath);

  const gtk::DialogsApi& Api() const { return *api_; }

 private:
  struct Closer {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Closer> handle_;
  const gtk::DialogsApi* api_ = nullptr;
};

}  // namespace quellar::desktop
