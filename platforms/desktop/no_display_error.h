#pragma once

#include <stdexcept>

namespace quellar::desktop {

// There is no display to run on; the message says which one was tried.
class NoDisplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quellar::desktop
