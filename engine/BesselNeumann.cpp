#include "engine/BesselNeumann.h"

#include "engine/BesselWholeOrder.h"
#include "engine/DoubleExtendedMath.h"
#include "engine/MathConstants.h"
#include "engine/PreciseKernels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

namespace {

// Of a double-Extended recurrence step: its three operations round by about 2^-126 each, of
// operands at most twice the amplitude where the values oscillate.
constexpr Extended Rounding = 1E-37L;
constexpr int MaxOrderOrArgument = 1000000;
constexpr int RescaleExponent = 6000;

DoubleExtended PiTwoParts()
{
  return DoubleExtended::Normalized(Pi, PiLow);
}

// What the downward recurrence gives: J_n, J0, J1 and the sums of the Neumann series of Y0 and Y1,
// all normalised.
struct Descent {
  DoubleExtended atOrder;  // J_n
  DoubleExtended j0;
  DoubleExtended j1;
  DoubleExtended sumY0;  // sum over k >= 1 of (-1)^(k+1) J_2k / k
  DoubleExtended sumY1;  // sum over k >= 1 of (-1)^k (2k + 1) J_2k+1 / (k (k + 1))
  int start = 0;
};

DoubleExtended Scaled(const DoubleExtended& a, int times)
{
  return ScaledBy(a, -RescaleExponent * times);
}

bool Descend(int n, Extended t, Descent& d)
{
  const int start = DownwardStart(n, t, 1E40L);
  d.start = start;
  const DoubleExtended inverse = Exactly(1) / Exactly(t);
  DoubleExtended above;
  DoubleExtended current = Exactly(1E-40L);
  DoubleExtended norm;  // J0 + 2 (J2 + J4 + ...)
  DoubleExtended sumY0;
  DoubleExtended sumY1;
  DoubleExtended atOrder;
  DoubleExtended j1;
  int rescaledSinceOrder = 0;
  int rescaledSinceOne = 0;
  for (int k = start; k >= 1; --k) {
    if (k == n)
      atOrder = current;
    if (k % 2 == 0) {
      norm = norm + ScaledBy(current, 1);
      const DoubleExtended term = current / Exactly(k / 2);
      sumY0 = (k / 2) % 2 == 1 ? sumY0 + term : sumY0 + -term;
    } else if (k > 1) {
      const Extended h = (k - 1) / 2;
      const DoubleExtended term = current * Exactly(k) / (Exactly(h) * Exactly(h + 1));
      sumY1 = static_cast<int>(h) % 2 == 0 ? sumY1 + term : sumY1 + -term;
    } else {
      j1 = current;
    }
    const DoubleExtended below = current * (inverse * Exactly(2 * k)) + -above;
    above = current;
    current = below;
    if (std::fabs(current.hi) > std::ldexp(Extended(1), RescaleExponent)) {
      current = Scaled(current, 1);
      above = Scaled(above, 1);
      norm = Scaled(norm, 1);
      sumY0 = Scaled(sumY0, 1);
      sumY1 = Scaled(sumY1, 1);
      j1 = Scaled(j1, 1);
      if (k <= n)
        ++rescaledSinceOrder;
      ++rescaledSinceOne;
    }
  }
  if (n == 0)
    atOrder = current;
  norm = norm + current;
  if (!std::isfinite(norm.hi) || norm.hi == 0 || rescaledSinceOne > 0)
    return false;
  d.atOrder = Scaled(atOrder / norm, rescaledSinceOrder);
  d.j0 = current / norm;
  d.j1 = j1 / norm;
  d.sumY0 = sumY0 / norm;
  d.sumY1 = sumY1 / norm;
  return true;
}

// Rounding of a recurrence over about `steps` steps, in units of the amplitude plus the value.
Extended RecurrenceError(Extended steps)
{
  return 8 * Rounding * (steps + 10);
}

// The same for roundings that add up as independent errors do, by the square root of their count.
Extended RandomRecurrenceError(Extended steps)
{
  return 8 * Rounding * (2 * std::sqrt(steps) + 10);
}

// A bound of |J_k(t)| over all orders k (Landau's), and so of the roundings of the normalised
// downward recurrence.
Extended LargestJ(Extended t)
{
  return std::min<Extended>(1, 0.7858L / std::cbrt(t));
}

}  // namespace

bool BesselWholeOrderPrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError)
{
  if (!(t >= 1) || n < 0 || n > MaxOrderOrArgument || t > MaxOrderOrArgument)
    return false;
  Descent d;
  if (!Descend(n, t, d))
    return false;
  const Extended amplitude = OscillationAmplitude(n, t);
  if (first) {
    value = d.atOrder.Value();
    if (!(std::fabs(value) >= std::numeric_limits<Extended>::min()) || !std::isfinite(value))
      return false;
    relativeError = RecurrenceError(d.start) * (std::fabs(value) + amplitude) / std::fabs(value);
    return true;
  }
  // Y0 = (2/pi) ((ln(t/2) + gamma) J0 + 2 sum), Y1 = (2/pi) ((ln(t/2) + gamma - 1) J1 - J0/t - sum).
  const DoubleExtended twoOverPi = Exactly(2) / PiTwoParts();
  const DoubleExtended lnHalf = LnPrecise(t / 2) + EulerGammaPrecise;
  DoubleExtended y0 = twoOverPi * (lnHalf * d.j0 + ScaledBy(d.sumY0, 1));
  DoubleExtended y1 = twoOverPi * ((lnHalf + Exactly(-1)) * d.j1 + -(d.j0 / Exactly(t)) + -d.sumY1);
  // Their rounding, in units of the largest J_k, is that of many independent steps.
  const Extended startError = RandomRecurrenceError(d.start) * (1 + std::fabs(lnHalf.hi));
  if (n == 0) {
    value = y0.Value();
    relativeError = startError * (std::fabs(value) + amplitude) / std::fabs(value);
    return value != 0;
  }
  const DoubleExtended inverse = Exactly(1) / Exactly(t);
  for (int k = 1; k < n; ++k) {
    const DoubleExtended next = y1 * (inverse * Exactly(2 * k)) + -y0;
    y0 = y1;
    y1 = next;
    if (!std::isfinite(y1.hi)) {
      value = y1.hi;  // Y grows beyond the range: an overflow, not a doubt
      relativeError = 0;
      return !std::isnan(value);
    }
  }
  value = y1.Value();
  if (value == 0 || !std::isfinite(value))
    return false;
  // An absolute error d in Y0 and Y1 grows along the recurrence to order n as a mix of J and Y of
  // about d sqrt(2 pi t) times the amplitude there; d is 2/pi of the error of the sums.
  const Extended scale = std::fabs(value) + amplitude;
  const Extended grown = startError * (2 / Pi) * LargestJ(t) * std::sqrt(2 * Pi * t);
  // The roundings of the upward steps add as independent errors; one near the turning point grows
  // by about t / sqrt(t^2 - k^2) on the way to order n.
  const Extended turning = t / std::sqrt(std::max(t * t - Extended(n) * n, t * std::cbrt(t)));
  relativeError = (grown + RandomRecurrenceError(n) * std::max<Extended>(1, turning)) * scale / std::fabs(value);
  return true;
}

}  // namespace engine
