#pragma once
// sin and cos of a reduced angle rounded once, fast enough for the plot loops: a table of sin and
// cos at the multiples of 1/64 in double-Extended, and short series for the rest of the angle.

#include "engine/DoubleExtended.h"

namespace engine {

// sin(q pi/2 + r), q >= 0, for |r| <= pi/4 + 1/64 given to about 128 bits: within 0.501 units of
// the last place. The cosine is the sine of q + 1.
Extended SineOfQuarterTurns(int q, const DoubleExtended& r);
// Both at once, the same as each alone.
void SineAndCosineOfQuarterTurns(int q, const DoubleExtended& r, Extended& s, Extended& c);
// Both unrounded, to about 78 bits: for corrections that need more than the rounded values.
void SineAndCosineToBits(int q, const DoubleExtended& r, DoubleExtended& s, DoubleExtended& c);

}  // namespace engine
