#pragma once
// Checked conversions from floating values to pixel integers. NaN, infinities and values beyond
// the integer range never reach a C++ float-to-int conversion (undefined behaviour); they
// saturate instead. Coordinates are further kept within what the drawing back ends accept.

#include <climits>
#include <cmath>
#include <concepts>
#include <cstdint>

namespace platform {

// The largest coordinate magnitude the canvas passes on (the 2^27 limit of the system's
// drawing calls); farther points are off every device anyway.
inline constexpr int kMaxCoord = 1 << 27;

namespace detail {
template <std::floating_point F>
int SaturateToInt(F value, int lo, int hi)
{
  if (std::isnan(value))
    return 0;
  if (value <= F(lo))
    return lo;
  if (value >= F(hi))
    return hi;
  return static_cast<int>(value);
}

// Rounds in the current rounding mode (half to even by default), as nearbyint does, but through
// one integer conversion instead of a save and restore of the floating-point environment.
template <std::floating_point F>
int RoundToInt(F value, int lo, int hi)
{
  if (value > F(lo) && value < F(hi))  // not-a-number fails and saturates to 0
    return static_cast<int>(std::llrint(value));
  return SaturateToInt(value, lo, hi);
}
}  // namespace detail

// Round to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4); saturates to the int range,
// NaN gives 0.
template <std::floating_point F>
int SafeRound(F value)
{
  return detail::RoundToInt(value, INT_MIN, INT_MAX);
}

// Truncate towards zero; saturates like SafeRound.
template <std::floating_point F>
int SafeTrunc(F value)
{
  if (std::isnan(value))
    return 0;
  return detail::SaturateToInt(std::trunc(value), INT_MIN, INT_MAX);
}

// Largest integer not above the value; saturates like SafeRound.
template <std::floating_point F>
int SafeFloor(F value)
{
  if (std::isnan(value))
    return 0;
  return detail::SaturateToInt(std::floor(value), INT_MIN, INT_MAX);
}

// A pixel coordinate from a floating value: rounded half to even, kept within +-kMaxCoord.
template <std::floating_point F>
int ToPixel(F value)
{
  return detail::RoundToInt(value, -kMaxCoord, kMaxCoord);
}

// An integer coordinate kept within +-kMaxCoord.
constexpr int ClampCoord(long long value)
{
  return value < -kMaxCoord ? -kMaxCoord : value > kMaxCoord ? kMaxCoord : int(value);
}

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0; saturates.
constexpr int MulDiv(int a, int b, int c)
{
  if (c == 0)
    return -1;
  const long long num = static_cast<long long>(a) * b;
  const long long den = c;
  const bool negative = (num < 0) != (den < 0);
  const unsigned long long an = num < 0 ? 0ULL - static_cast<unsigned long long>(num) : num;
  const unsigned long long ad = den < 0 ? 0ULL - static_cast<unsigned long long>(den) : den;
  const unsigned long long q = (an + ad / 2) / ad;
  if (negative)
    return q > static_cast<unsigned long long>(INT_MAX) + 1 ? INT_MIN : static_cast<int>(0LL - static_cast<long long>(q));
  return q > static_cast<unsigned long long>(INT_MAX) ? INT_MAX : static_cast<int>(q);
}

}  // namespace platform
