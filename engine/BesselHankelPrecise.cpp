#include "engine/BesselHankelPrecise.h"

#include "engine/MathConstants.h"
#include "engine/PreciseKernels.h"

#include <cmath>
#include <limits>

namespace engine {

namespace {

// Rounding of a double-Extended step, relative to its operands, with room.
constexpr Extended StepRounding = 1E-37L;
// The expansion is used when its terms fall below this part of the sums.
constexpr Extended Negligible = 1E-38L;
constexpr int MaxTerms = 2000;

}  // namespace

bool BesselHankelPrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError)
{
  if (!(t >= 50) || !std::isfinite(t) || n < 0 || n > (1 << 24))
    return false;
  // P and Q: terms k = 1, 2, 3, 4, ... go to Q, P, Q, P with signs +, -, -, +.
  const Extended mu = 4 * static_cast<Extended>(n) * n;
  DoubleExtended term = Exactly(1);
  DoubleExtended p = Exactly(1);
  DoubleExtended q;
  Extended previous = std::numeric_limits<Extended>::infinity();
  int k = 1;
  for (; k < MaxTerms; ++k) {
    const Extended odd = 2 * k - 1;
    const Extended factor = mu - odd * odd;  // exact: a whole number below 2^64
    term = term * Exactly(factor) / (Exactly(8 * k) * Exactly(t));
    const Extended size = std::fabs(term.hi);
    if (size == 0)
      break;
    if (size > previous)
      return false;  // the series turns before reaching the digits
    previous = size;
    const DoubleExtended signedTerm = (k % 4 == 1 || k % 4 == 0) ? term : -term;
    if (k % 2 == 1)
      q = q + signedTerm;
    else
      p = p + signedTerm;
    if (size < Negligible * (std::fabs(p.hi) + std::fabs(q.hi)))
      break;
  }
  if (k >= MaxTerms)
    return false;
  DoubleExtended s;
  DoubleExtended c;
  if (!SinCosPrecise(t, s, c))
    return false;
  // chi = t - (2n + 1) pi / 4; sqrt 2 cos chi = cp cos t + sp sin t and sqrt 2 sin chi =
  // cp sin t - sp cos t, with cp and sp = +-1 the signs of cos and sin of (2n + 1) pi / 4.
  const int quarter = n % 4;
  const bool cpPositive = quarter == 0 || quarter == 3;
  const bool spPositive = quarter == 0 || quarter == 1;
  const DoubleExtended cosPart = (cpPositive ? c : -c) + (spPositive ? s : -s);
  const DoubleExtended sinPart = (cpPositive ? s : -s) + (spPositive ? -c : c);
  // J = (P sqrt2 cos chi - Q sqrt2 sin chi) / sqrt(pi t), Y = (P sqrt2 sin chi + Q sqrt2 cos chi) / sqrt(pi t).
  const DoubleExtended combined = first ? p * cosPart + -(q * sinPart) : p * sinPart + q * cosPart;
  const Extended scale = 2 * (std::fabs(p.hi) + std::fabs(q.hi));
  const Extended sum = combined.Value();
  if (sum == 0)
    return false;
  value = sum / std::sqrt(Pi * t);
  const Extended absolute = (StepRounding * 8 * (k + 10) + PreciseKernelRounding + previous) * scale;
  relativeError = absolute / std::fabs(sum) + 4 * std::numeric_limits<Extended>::epsilon();
  return true;
}

}  // namespace engine
