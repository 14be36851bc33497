#pragma once
// ln, sin and cos to about 120 bits, all in double-Extended arithmetic: for values that cancel near
// the zeros of Ci and of the Bessel functions, where the 85-bit kernels of DoubleExtendedMath.h
// leave too few digits. Slower than those; arguments finite, x > 0 for the logarithm.

#include "engine/DoubleExtended.h"

namespace engine {

DoubleExtended LnPrecise(Extended x);
// false when x is not finite.
bool SinCosPrecise(Extended x, DoubleExtended& s, DoubleExtended& c);

// The rounding these kernels keep, relative to their results (or, for sin and cos, to 1).
inline constexpr Extended PreciseKernelRounding = 1E-36L;

}  // namespace engine
