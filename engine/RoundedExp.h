#pragma once
// e^x rounded once, fast enough for the plot loops: a table of 2^(j/64) in double-Extended and a
// short series for the rest of the argument.

#include "engine/Extended.h"

namespace engine {

// e^x for |x| <= 11357 (the callers check the range): within 0.501 units of the last place while
// the value is a normal number; beyond the largest value, infinity.
Extended RoundedExp(Extended x);

}  // namespace engine
