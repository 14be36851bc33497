#include "engine/PreciseKernels.h"

#include "engine/DoubleExtendedMath.h"

#include <cmath>

namespace engine {

namespace {

constexpr Extended Sqrt2 = 1.4142135623730950488L;
constexpr Extended Negligible = 1E-40L;

}  // namespace

DoubleExtended LnPrecise(Extended x)
{
  // x = m 2^e with m in [sqrt(1/2), sqrt(2)]: ln m = 2 atanh(z), z = (m - 1) / (m + 1), |z| < 0.172.
  int e = std::ilogb(x);
  Extended m = std::ldexp(x, -e);
  if (m > Sqrt2) {
    m /= 2;
    ++e;
  }
  const DoubleExtended z = Exactly(m - 1) / DoubleExtended::Normalized(m, 1);  // m - 1 is exact
  const DoubleExtended z2 = z * z;
  DoubleExtended power = z;
  DoubleExtended sum = z;
  for (int k = 3; k < 200; k += 2) {
    power = power * z2;
    const DoubleExtended term = power / Exactly(k);
    sum = sum + term;
    if (std::fabs(term.hi) < Negligible * std::fabs(sum.hi))
      break;
  }
  return ScaledBy(sum, 1) + Exactly(e) * Ln2();
}

bool SinCosPrecise(Extended x, DoubleExtended& s, DoubleExtended& c)
{
  int q = 0;
  DoubleExtended r;
  if (!ReduceByQuarterTurns(x, q, r))
    return false;
  // The Taylor series of sin r and cos r, |r| <= about pi/4.
  const DoubleExtended minusR2 = -(r * r);
  DoubleExtended term = r;  // r^k / k!, signed
  DoubleExtended sinR = r;
  DoubleExtended cosR = Exactly(1);
  DoubleExtended cosTerm = Exactly(1);
  for (int k = 2; k < 60; k += 2) {
    cosTerm = cosTerm * minusR2 / Exactly(static_cast<Extended>(k - 1) * k);
    term = term * minusR2 / Exactly(static_cast<Extended>(k) * (k + 1));
    cosR = cosR + cosTerm;
    sinR = sinR + term;
    if (std::fabs(cosTerm.hi) < Negligible && std::fabs(term.hi) < Negligible * std::fabs(r.hi))
      break;
  }
  switch (q) {
  case 0: s = sinR; c = cosR; break;
  case 1: s = cosR; c = -sinR; break;
  case 2: s = -sinR; c = -cosR; break;
  default: s = -cosR; c = sinR; break;
  }
  return true;
}

}  // namespace engine
