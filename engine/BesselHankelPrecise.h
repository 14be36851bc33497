#pragma once
// J and Y of a whole order at a large argument by the Hankel expansion in double-Extended
// arithmetic, with sin and cos of the argument to 120 bits: near their zeros, where the Extended
// expansion cancels and the recurrences would be too long.

#include "engine/Extended.h"

namespace engine {

// J_n(t) (first = true) or Y_n(t) with the estimated relative error; false where the expansion
// does not reach the double-Extended digits (t too small for the order).
bool BesselHankelPrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError);

}  // namespace engine
