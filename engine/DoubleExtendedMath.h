#pragma once
// Kernels of the elementary functions to about 85 bits, on DoubleExtended values: a function built
// from them rounds once at the end and stays within one unit of the last place.
// Arguments are finite and inside each kernel's range; the callers check domains and overflow.

#include "engine/DoubleExtended.h"

namespace engine {

// The whole number nearest v (ties to even) for |v| < 2^62, without the cost of nearbyint.
inline Extended NearestWhole(Extended v)
{
  constexpr Extended Shift = 0x1.8p63L;  // where the spacing of Extended values is 1
  return (v + Shift) - Shift;
}

// A whole number below 2^53 in magnitude as an integer. Through double, because the direct
// conversion truncates by switching the x87 rounding mode, a stall that can cost more than the
// arithmetic around it.
inline long long WholeToInteger(Extended whole)
{
  return static_cast<long long>(static_cast<double>(whole));
}

// a * 2^n, exactly while neither half leaves the normal range.
DoubleExtended ScaledBy(const DoubleExtended& a, int n);

// e^x - 1 with full relative accuracy near 0; x <= 200.
DoubleExtended ExpMinusOne(const DoubleExtended& x);
// e^x as m * 2^n with m in [0.7, 1.5); for |x| below 11400.
struct ScaledExp {
  DoubleExtended m;
  int n = 0;
};
ScaledExp ExpScaled(const DoubleExtended& x);

// ln y for y > 0; full relative accuracy also near y = 1.
DoubleExtended Ln(const DoubleExtended& y);
// ln(1 + u) for |u| <= 1/2, with the relative accuracy of u.
DoubleExtended LnOnePlus(const DoubleExtended& u);

// sqrt y for y >= 0.
DoubleExtended Sqrt(const DoubleExtended& y);

// x = q pi/2 + r with |r| <= about pi/4, q in 0 .. 3; false when x is not finite.
bool ReduceByQuarterTurns(Extended x, int& q, DoubleExtended& r);
// sin and cos of q pi/2 + r for |r| <= about pi/4.
void SinCosReduced(int q, const DoubleExtended& r, DoubleExtended& s, DoubleExtended& c);

// ln 2 to 128 bits.
DoubleExtended Ln2();

// Euler's constant to 128 bits.
inline constexpr DoubleExtended EulerGammaPrecise{0.5772156649015328606163074L, -9.795267621599925471069397E-21L};

}  // namespace engine
