// What every fuzz target does when a property fails: say which, and stop the run so that
// libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace sonorix::fuzz {

inline void Require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %.*s\n", static_cast<int>(property.size()),
               property.data());
  std::abort();
}

}  // namespace sonorix::fuzz
