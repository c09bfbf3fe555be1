#pragma once
// A finding of a fuzz target: what disagreed with the model, printed before the process aborts,
// so that libFuzzer keeps the input that found it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quellar::fuzz {

inline void Check(bool holds, std::string_view what, std::string_view detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "finding: %.*s [%.*s]\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

}  // namespace quellar::fuzz
