// What the fuzz targets do when a promise of the code under test is broken: say which, and
// stop the run, which keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace astrivo::fuzz {

inline void Check(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", promise);
  std::abort();
}

}  // namespace astrivo::fuzz
