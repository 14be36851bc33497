#include "engine/BesselTurningPoint.h"

#include "engine/BesselDebye.h"
#include "engine/DoubleExtendedMath.h"
#include "engine/MathConstants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

namespace {

// Rounding of a double-Extended step, relative to its operands, with room.
constexpr Extended StepRounding = 1E-37L;
constexpr int MaxOrder = 1 << 24;
// The ratio of the start order to the argument: there the Debye expansion converges well and its
// phase carries few roundings, which the recurrence then carries to the turning point.
constexpr Extended StartRatio = 0.6L;

// sqrt(t^2 - k^2), flattened over the turning point where it falls below t^(2/3).
Extended Spread(Extended k, Extended t)
{
  return std::sqrt(std::max((t - k) * (t + k), t * std::cbrt(t)));
}

// The amplitude sqrt(J^2 + Y^2) at order k below t: sqrt(2 / (pi spread)).
Extended Amplitude(Extended k, Extended t)
{
  return std::sqrt(2 / (Pi * Spread(k, t)));
}

struct Start {
  int order = 0;
  DoubleExtended lower;  // at order
  DoubleExtended upper;  // at order + 1
  Extended lowerError = 0;  // relative
  Extended upperError = 0;
};

bool FindStart(bool first, int n, Extended t, Start& s)
{
  s.order = static_cast<int>(std::floor(StartRatio * t)) - 1;
  return s.order >= 1 && s.order + 1 < n &&
         BesselDebyeDoubleExtended(first, s.order, t, s.lower, s.lowerError) &&
         BesselDebyeDoubleExtended(first, s.order + 1, t, s.upper, s.upperError);
}

}  // namespace

bool BesselTurningPointPrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError)
{
  if (!std::isfinite(t) || n < 1 || n > MaxOrder || !(n > 0.9L * t) || !(n <= t))
    return false;
  Start s;
  if (!FindStart(first, n, t, s))
    return false;
  // X_{k+1} = (2k / t) X_k - X_{k-1}, from k = m + 1 up to n - 1.
  const DoubleExtended inverse = Exactly(1) / Exactly(t);
  DoubleExtended below = s.lower;
  DoubleExtended current = s.upper;
  // A local error e A_k at order k reaches order n as a mix of J and Y of about
  // (pi t / 2) e A_k^2 A_n = e t / spread_k A_n: the sum of t / spread_k over the steps.
  Extended growth = 0;
  for (int k = s.order + 1; k < n; ++k) {
    const DoubleExtended next = current * (inverse * Exactly(2 * static_cast<Extended>(k))) + -below;
    below = current;
    current = next;
    growth += t / Spread(k, t);
  }
  value = current.Value();
  if (value == 0 || !std::isfinite(value))
    return false;
  const Extended m = s.order;
  const Extended amplitude = Amplitude(n, t);
  // Start errors, absolute, in units of the amplitude at the start, then carried to order n.
  const Extended startError =
      (s.lowerError * std::fabs(s.lower.hi) + s.upperError * std::fabs(s.upper.hi)) / Amplitude(m, t);
  const Extended carried = startError * t / Spread(m, t) + 8 * StepRounding * (growth + 10);
  relativeError = carried * (amplitude + std::fabs(value)) / std::fabs(value) +
                  4 * std::numeric_limits<Extended>::epsilon();
  return true;
}

}  // namespace engine
