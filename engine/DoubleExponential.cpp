#include "engine/DoubleExponential.h"

#include "engine/MathConstants.h"

#include <cmath>

namespace engine {

namespace {

constexpr Extended HalfPi = Pi / 2;
// Beyond this parameter the weights are below 1E-60 of the largest.
constexpr Extended MaxParameter = 4.5L;
constexpr int MaxLevel = 9;
// Agreement of two levels, relative to the scale, at which the finer one is exact to rounding
// (the error of a level is about the square of the difference to the one before).
constexpr Extended Agreement = 1E-12L;

struct Sums {
  Extended value = 0;
  Extended magnitude = 0;
};

// The nodes at parameter s and -s, with their weight, added to the sums.
void AddPair(const EndAwareIntegrand& f, Extended a, Extended b, Extended s, Sums& sums, bool centre)
{
  const Extended half = (b - a) / 2;
  const Extended u = HalfPi * std::sinh(s);
  const Extended cu = std::cosh(u);
  const Extended weight = HalfPi * std::cosh(s) / (cu * cu);
  // Distance of the node from the nearer end: (b - a) / (1 + e^(2u)).
  const Extended distance = (b - a) / (1 + std::exp(2 * u));
  if (centre) {
    const Extended v = f(a + half, half, half);
    sums.value += weight * v;
    sums.magnitude += weight * std::fabs(v);
    return;
  }
  if (distance == 0 || !std::isfinite(weight) || weight == 0)
    return;
  const Extended right = f(b - distance, (b - a) - distance, distance);
  const Extended left = f(a + distance, distance, (b - a) - distance);
  sums.value += weight * (right + left);
  sums.magnitude += weight * (std::fabs(right) + std::fabs(left));
}

}  // namespace

QuadratureResult IntegrateTanhSinh(const EndAwareIntegrand& f, Extended a, Extended b)
{
  const Extended half = (b - a) / 2;
  Sums sums;
  Extended h = 1;
  AddPair(f, a, b, 0, sums, true);
  for (Extended s = h; s <= MaxParameter; s += h)
    AddPair(f, a, b, s, sums, false);
  QuadratureResult result{half * h * sums.value, half * h * sums.magnitude, false};
  for (int level = 1; level <= MaxLevel; ++level) {
    h /= 2;
    // The new nodes lie halfway between the old ones.
    for (Extended s = h; s <= MaxParameter; s += 2 * h)
      AddPair(f, a, b, s, sums, false);
    const Extended value = half * h * sums.value;
    const Extended magnitude = half * h * sums.magnitude;
    const bool agree = std::fabs(value - result.value) <= Agreement * magnitude;
    result = {value, magnitude, agree && level >= 3};
    if (!std::isfinite(value))
      return result;
    if (result.converged)
      return result;
  }
  return result;
}

}  // namespace engine
