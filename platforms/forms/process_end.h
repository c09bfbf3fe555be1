#pragma once
// Thrown by a platform's EndProcess where the platform's own loop runs the handlers, so the
// process ends by unwinding to the entry point and every resource is released in order.

namespace quellar {

struct ProcessEnd {
  int exitCode = 0;
};

}  // namespace quellar
