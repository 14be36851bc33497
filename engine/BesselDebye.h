#pragma once
// J and Y of a whole order at an argument well beyond the order by Debye's expansion, in
// double-Extended arithmetic: for large arguments whose Hankel expansion cancels (the square of the
// order beside the argument) and whose recurrences would be too long.

#include "engine/DoubleExtended.h"
#include "engine/Extended.h"

namespace engine {

// J_n(t) (first = true) or Y_n(t) with the estimated relative error; false where the expansion does
// not reach the double-Extended digits (the order too near the argument, or the argument too small).
bool BesselDebyePrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError);

// The same with the value kept in double-Extended, for methods that carry it further.
bool BesselDebyeDoubleExtended(bool first, int n, Extended t, DoubleExtended& value, Extended& relativeError);

}  // namespace engine
