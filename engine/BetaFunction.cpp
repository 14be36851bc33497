// B(a, b) = gamma(a) gamma(b) / gamma(a+b). Where an argument is large, the logarithms of the
// gammas are far larger than their difference: the difference is taken in Stirling's form instead,
// where the large terms are taken apart exactly (ln(b/c) as ln(1 + a/b)).
#include "engine/GammaFunctions.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// From here on the correction series of Stirling's formula is exact to rounding.
constexpr Extended StirlingFrom = 20;

// ln gamma(x) - ((x - 1/2) ln x - x + ln sqrt(2 pi)) for x >= StirlingFrom.
Extended StirlingCorrection(Extended x)
{
  const Extended z = 1 / (x * x);
  const Extended series =
      (((((((-3617.0L / 122400 * z + 1.0L / 156) * z - 691.0L / 360360) * z + 1.0L / 1188) * z - 1.0L / 1680) * z +
         1.0L / 1260) * z - 1.0L / 360) * z + 1.0L / 12);
  return series / x;
}

bool IsPole(Extended x)
{
  return x <= 0 && std::trunc(x) == x;
}

// ln B(a, b) for StirlingFrom <= a <= b: every term but the constant is negative, so none cancels.
Extended LnBetaBothLarge(Extended a, Extended b)
{
  const Extended c = a + b;
  return LnSqrt2Pi - (a - 0.5L) * std::log1p(b / a) - (b - 0.5L) * std::log1p(a / b) - 0.5L * std::log(c) +
         StirlingCorrection(a) + StirlingCorrection(b) - StirlingCorrection(c);
}

// ln (gamma(b) / gamma(a + b)) for b and a + b at least StirlingFrom.
Extended LnGammaRatio(Extended a, Extended b)
{
  const Extended c = a + b;
  return -(b - 0.5L) * std::log1p(a / b) - a * std::log(c) + a + StirlingCorrection(b) - StirlingCorrection(c);
}

}  // namespace

Extended BetaFunction(Extended a, Extended b)
{
  ErrorCode = 0;
  if (std::isnan(a) || std::isnan(b))
    return MathError(ecArgumentError);
  // 1/gamma(a+b) vanishes at a pole of gamma(a+b) while gamma(a) and gamma(b) stay finite.
  if (IsPole(a + b) && !IsPole(a) && !IsPole(b))
    return 0;
  if (a > b)
    std::swap(a, b);
  if (b >= StirlingFrom && a + b >= StirlingFrom && !IsPole(a)) {
    if (a >= StirlingFrom)
      return GuardedExp(LnBetaBothLarge(a, b));
    const Extended lnGammaA = LnGammaAbs(a);
    if (ErrorCode != 0)
      return SgnGamma(a) * MaxResultValue;
    return SgnGamma(a) * GuardedExp(lnGammaA + LnGammaRatio(a, b));
  }
  const Extended sign = SgnGamma(a) * SgnGamma(b) * SgnGamma(a + b);
  const Extended lnGammaSum = LnGammaAbs(a + b);
  if (ErrorCode != 0)
    return 0;
  // Each failure returns at once, so that a later call does not clear the recorded code.
  const Extended lnGammaB = LnGammaAbs(b);
  if (ErrorCode != 0)
    return sign * MaxResultValue;
  const Extended lnGammaA = LnGammaAbs(a);
  if (ErrorCode != 0)
    return sign * MaxResultValue;
  return sign * GuardedExp(lnGammaA + lnGammaB - lnGammaSum);
}

}  // namespace engine
