#pragma once
// Checks in the fuzz targets: a failed one stops the run, so libFuzzer keeps the input.

#include <cstdlib>

namespace pw::fuzz {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace pw::fuzz
