// Run by the build once the dialogs module is linked: `dialogs_digest_tool MODULE SOURCE` writes
// the source file that gives the program the module's digest (kDialogsModuleDigest), so that
// the program loads no module but the one built with it.

#include <fstream>
#include <iostream>

#include "platforms/desktop/loaded_image_digest.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: dialogs_digest_tool MODULE SOURCE\n";
    return 2;
  }
  const quellar::desktop::LoadedImageDigest image = quellar::desktop::DigestLoadedImage(argv[1]);
  if (image.digest.empty()) {
    std::cerr << "dialogs_digest_tool: " << argv[1] << ' ' << image.problem << '\n';
    return 1;
  }
  std::ofstream source(argv[2]);
  source << "// Written by the build from the dialogs module it made.\n"
            "#include \"platforms/desktop/dialogs_loader.h\"\n\n"
            "const char quellar::desktop::kDialogsModuleDigest[] = \""
         << image.digest << "\";\n";
  return source.flush() ? 0 : 1;
}
