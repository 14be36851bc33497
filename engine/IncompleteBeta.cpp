#include "engine/IncompleteBeta.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/GammaFunctions.h"
#include "engine/IncompleteBetaLarge.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "engine/StirlingParts.h"

#include <cmath>

namespace engine {

namespace {

Extended AtLeastTiny(Extended v)
{
  return std::fabs(v) < Tiny ? Tiny : v;
}

// Both parameters from here on, near the bulk of the distribution, take the prefactor from Stirling's
// series: the gamma logarithms, of about a ln a, would each round away more than the 12 digits.
constexpr Extended LargeParameter = 100;
constexpr Extended NearBulk = 0.5L;

// With d = x (a+b) - a: a (ln(1 + d/a) - d/a) + b (ln(1 - d/b) + d/b) + ln sqrt(ab / (2 pi (a+b)))
// plus the Stirling corrections; false away from the bulk or for small parameters.
bool LargeParameterPrefactorLn(Extended a, Extended b, Extended x, Extended y, Extended& value)
{
  if (!(a >= LargeParameter && b >= LargeParameter))
    return false;
  const Extended d = x * b - y * a;
  const Extended u = d / a;
  const Extended v = -d / b;
  if (!(std::fabs(u) <= NearBulk && std::fabs(v) <= NearBulk))
    return false;
  const Extended s = a + b;
  value = a * LnOnePlusMinus(u) + b * LnOnePlusMinus(v) + 0.5L * std::log(a / s * b / (2 * Pi)) +
          StirlingCorrection(s) - StirlingCorrection(a) - StirlingCorrection(b);
  return true;
}

// ln gamma(large + small) - ln gamma(large) for large >= LargeParameter, from Stirling's series:
// (large - 1/2) ln(1 + small/large) + small (ln(large + small) - 1) plus the corrections.
Extended LnGammaRatio(Extended large, Extended small)
{
  const Extended s = large + small;
  return (large - 0.5L) * std::log1p(small / large) + small * (std::log(s) - 1) + StirlingCorrection(s) -
         StirlingCorrection(large);
}

// ln of x^a y^b / B(a, b), 0 < x < 1, y = 1 - x; records the errors of the gamma logarithms.
Extended BetaPrefactorLn(Extended a, Extended b, Extended x, Extended y)
{
  if (Extended large = 0; LargeParameterPrefactorLn(a, b, x, y, large))
    return large;
  // log1p keeps the digits of the logarithm of the part near 1 from the other.
  const Extended lnX = x < 0.5L ? std::log(x) : std::log1p(-y);
  const Extended lnY = x < 0.5L ? std::log1p(-x) : std::log(y);
  const Extended powers = a * lnX + b * lnY;
  if (a >= LargeParameter && b < LargeParameter) {
    const Extended lnGammaB = LnGammaAbs(b);
    return ErrorCode != 0 ? lnGammaB : LnGammaRatio(a, b) - lnGammaB + powers;
  }
  if (b >= LargeParameter && a < LargeParameter) {
    const Extended lnGammaA = LnGammaAbs(a);
    return ErrorCode != 0 ? lnGammaA : LnGammaRatio(b, a) - lnGammaA + powers;
  }
  const Extended lnGammaSum = LnGammaAbs(a + b);
  if (ErrorCode != 0)
    return lnGammaSum;
  const Extended lnGammaA = LnGammaAbs(a);
  if (ErrorCode != 0)
    return lnGammaA;
  const Extended lnGammaB = LnGammaAbs(b);
  if (ErrorCode != 0)
    return lnGammaB;
  return lnGammaSum - lnGammaA - lnGammaB + powers;
}

}  // namespace

Extended IBetaFraction(Extended a, Extended b, Extended x)
{
  const Extended qab = a + b;
  const Extended qap = a + 1;
  const Extended qam = a - 1;
  Extended c = 1;
  Extended d = 1 / AtLeastTiny(1 - qab * x / qap);
  Extended h = d;
  for (int m = 1; m <= MaxIterations; ++m) {
    const Extended m2 = 2 * m;
    Extended aa = m * (b - m) * x / ((qam + m2) * (a + m2));
    d = 1 / AtLeastTiny(1 + aa * d);
    c = AtLeastTiny(1 + aa / c);
    h *= d * c;
    aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
    d = 1 / AtLeastTiny(1 + aa * d);
    c = AtLeastTiny(1 + aa / c);
    const Extended del = d * c;
    h *= del;
    if (std::fabs(del - 1) < Eps || !std::isfinite(h))
      return FiniteResult(h);  // outside the fraction's domain h may run away to NaN
  }
  return MathError(ecArgumentError);
}

Extended IBeta(Extended a, Extended b, Extended x)
{
  return IBetaParts(a, b, x, 1 - x);
}

Extended IBetaParts(Extended a, Extended b, Extended x, Extended y)
{
  ErrorCode = 0;
  if (!(a > 0 && b > 0 && x >= 0 && x <= 1 && y >= 0 && y <= 1))  // NaN fails too
    return MathError(ecArgumentError);
  // y, not x, tells a ratio just below 1 from 1: x rounds to 1 long before y reaches 0.
  if (x == 0)
    return 0;
  if (y == 0)
    return 1;
  if (Extended bulk = 0; IBetaNearBulk(a, b, x, y, bulk))
    return bulk;
  const Extended lnPrefactor = BetaPrefactorLn(a, b, x, y);
  if (ErrorCode != 0)
    return lnPrefactor;
  const bool direct = x < (a + 1) / (a + b + 2);
  // A prefactor below the Extended range is error 28 when the tail is the result; its complement is 1.
  if (lnPrefactor < ExpUnderflowLimit)
    return direct ? MathError(ecUnderflow) : 1;
  const Extended bt = GuardedExp(lnPrefactor);
  if (ErrorCode != 0)
    return bt;
  if (direct) {
    const Extended fraction = IBetaFraction(a, b, x);
    if (ErrorCode != 0)
      return fraction;
    return FiniteResult(bt * fraction / a);
  }
  const Extended fraction = IBetaFraction(b, a, y);
  if (ErrorCode != 0)
    return fraction;
  return FiniteResult(1 - bt * fraction / b);
}

}  // namespace engine
