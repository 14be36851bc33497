#pragma once
// Reduction of a huge angle by quarter turns with the bits of 2/pi: exact however large the angle.

#include "engine/DoubleExtended.h"

namespace engine {

// x = q pi/2 + r with |r| <= pi/4 to about 120 bits relative, q in 0 .. 3; x finite, |x| >= 1.
void ReduceByQuarterTurnsLong(Extended x, int& q, DoubleExtended& r);

}  // namespace engine
