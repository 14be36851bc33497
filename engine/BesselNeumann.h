#pragma once
// Bessel J and Y of a whole order in double-Extended arithmetic, for values that need more than the
// 64 bits of Extended on the way: near their zeros, and for large orders and arguments where the
// rounding of a long recurrence adds up. J_0 .. J_N come from the downward recurrence normalised by
// J0 + 2 (J2 + J4 + ...) = 1; Y0 and Y1 from their Neumann series over the same J_k, and Y_n by
// the upward recurrence from them.

#include "engine/Extended.h"

namespace engine {

// J_n(t) (first = true) or Y_n(t) for t >= 1, with the estimated relative error; false where the
// order or the argument is too large for the recurrence or the value leaves the range.
bool BesselWholeOrderPrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError);

}  // namespace engine
