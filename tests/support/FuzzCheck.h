#pragma once
// The check of a fuzz target: a broken promise ends the program at once, as a fuzzer expects, after
// saying which promise it was.

#include <cstdio>
#include <cstdlib>

namespace testsupport {

inline void Require(bool holds, const char* promise)
{
  if (holds)
    return;
  std::fprintf(stderr, "fuzz target: %s\n", promise);
  std::abort();
}

}  // namespace testsupport
