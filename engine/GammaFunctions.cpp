#include "engine/GammaFunctions.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/FunctionAccuracy.h"
#include "engine/LnGammaSeries.h"
#include "engine/LnGammaZeros.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

constexpr Extended LnGammaOverflowLimit = 1.0484814683901952099E4928L;

bool IsWhole(Extended x)
{
  return std::trunc(x) == x;
}

// x * P(x) for x >= 0, the equivalent form in c = -x otherwise: 1 / gamma(x) near 0.
Extended GammaSmallDenominator(Extended x)
{
  if (x >= 0) {
    const Extended p =
        ((((((((-0.0011939450513815100956L * x + 0.0072205994780369096724L) * x - 0.0096220233604062716458L) * x -
              0.042197733607059154700L) * x + 0.16653861137208052067L) * x - 0.042002635034033440543L) * x -
           0.65587807152025406849L) * x + 0.57721566490153286083L) * x + 1);
    return x * p;
  }
  const Extended c = -x;
  const Extended q =
      ((((((((0.0011333741672438943820L * c + 0.0072208372618931703256L) * c + 0.0096219111550359767333L) * c -
            0.042197733437311917214L) * c - 0.16653861139444135193L) * c - 0.042002635034021129102L) * c +
         0.65587807152025365471L) * c + 0.57721566490153286089L) * c - 1);
  return c * q;
}

// ln gamma(2 + f) for 0 < |f| < 1, rational approximation.
Extended LnGammaNearTwo(Extended f)
{
  const Extended n =
      ((((((-2163.6908276438128576L * f - 87238.715228435114597L) * f - 1104326.8146914642612L) * f -
          6111225.0120052143002L) * f - 16255680.625437005911L) * f - 20039374.181038151753L) * f -
       8875666.7836507038010L) * f;
  const Extended d =
      ((((((f - 513.94814844353701438L) * f - 34035.708405343046703L) * f - 622744.11640662195015L) * f -
         4814940.3794118821861L) * f - 17854332.870450781569L) * f - 31386464.076561826621L) * f -
      20993367.177578958759L;
  return n / d;
}

// A value with an estimate of its absolute rounding.
struct RoundedValue {
  Extended value = 0;
  Extended rounding = 0;
};

constexpr Extended Rounding = 1.1E-19L;  // of one Extended step

// |x| <= 34, x not a pole: shift x into [2, 3) keeping the product of the shifts in d. Near the
// zeros below -2 the logarithm of d and ln gamma of the shifted x cancel: the rounding says how far.
RoundedValue LnGammaModerate(Extended x)
{
  // x - 1 and x - 2 are exact here.
  if (std::fabs(x - 1) <= NearOneOrTwo) {
    const Extended value = LnGammaOnePlus(x - 1);
    return {value, 4 * Rounding * std::fabs(value)};
  }
  if (std::fabs(x - 2) <= NearOneOrTwo) {
    const Extended lnOnePlus = std::log1p(x - 2);
    const Extended series = LnGammaOnePlus(x - 2);
    return {lnOnePlus + series, 4 * Rounding * (std::fabs(lnOnePlus) + std::fabs(series))};
  }
  Extended d = 1;
  int steps = 0;
  while (x >= 3) {
    x -= 1;
    d *= x;
    ++steps;
  }
  while (x < 2) {
    if (std::fabs(x) <= 0.03125L) {
      // ln |d * gamma(x)|, taken apart so that a subnormal x cannot overflow d / x.
      const Extended lnD = std::log(std::fabs(d));
      const Extended lnSmall = std::log(std::fabs(GammaSmallDenominator(x)));
      return {lnD - lnSmall, Rounding * (steps + 4 + std::fabs(lnD) + std::fabs(lnSmall))};
    }
    d /= x;
    x += 1;
    ++steps;
  }
  const Extended lnD = std::log(std::fabs(d));
  const Extended rest = x == 2 ? 0 : LnGammaNearTwo(x - 2);
  return {lnD + rest, Rounding * (steps + 4 + std::fabs(lnD) + std::fabs(rest))};
}

}  // namespace

std::int32_t SgnGamma(Extended x)
{
  if (x > 0)
    return 1;
  return std::fmod(std::trunc(std::fabs(x)), Extended{2}) == 0 ? -1 : 1;
}

Extended LnGammaStirling(Extended x)
{
  const Extended ln = GuardedLn(x);
  if (ErrorCode != 0)
    return ln;
  Extended result = (x - 0.5L) * ln - x + LnSqrt2Pi;
  if (x <= 1E10L) {
    const Extended z = 1 / (x * x);
    const Extended s =
        ((((((0.0048850261424322707808L * z - 0.0018808019381193769073L) * z + 0.00084127232973224980806L) * z -
            0.00059523458517656885148L) * z + 0.00079365077958550707558L) * z - 0.0027777777777503496034L) * z +
         0.083333333333333314484L);
    result += s / x;
  }
  return FiniteResult(result);
}

Extended GammaSmall(Extended d, Extended x)
{
  ErrorCode = 0;
  if (x == 0)
    return MathError(ecSingularity);
  return FiniteResult(d / GammaSmallDenominator(x));
}

Extended LnGammaAbs(Extended x)
{
  ErrorCode = 0;
  if (std::isnan(x))
    return MathError(ecArgumentError);
  if (x == 0 || (x < 0 && IsWhole(x)))
    return MathError(ecSingularity);
  if (x > LnGammaOverflowLimit)
    return MathError(ecOverflow);
  if (Extended nearZero = 0; x < -2 && LnGammaNearZero(x, nearZero))
    return nearZero;
  if (std::fabs(x) <= 34)
    return x >= 13 ? LnGammaStirling(x) : FiniteResult(LnGammaModerate(x).value);
  if (x > 0)
    return LnGammaStirling(x);
  // Reflection: |gamma(-z)| = pi / (z |sin(pi z)| gamma(z)).
  const Extended z = std::fabs(x);
  const Extended n = std::trunc(z);
  const Extended t = z - n > 0.5L ? n + 1 - z : z - n;
  const Extended zs = z * std::sin(Pi * t);
  if (zs == 0)
    return MathError(ecOverflow);
  const Extended stirling = LnGammaStirling(z);
  if (ErrorCode != 0)
    return stirling;
  return FiniteResult(LnPi - std::log(zs) - stirling);
}

Extended LnGammaAbsShown(Extended x)
{
  const Extended value = LnGammaAbs(x);
  if (Extended nearZero = 0; ErrorCode != 0 || !(x < 0 && x >= -34) || LnGammaNearZero(x, nearZero))
    return value;
  const RoundedValue rounded = LnGammaModerate(x);
  return AccurateResult(value, rounded.rounding / std::fabs(value));
}

Extended Binomial(std::int64_t n, std::int64_t k)
{
  ErrorCode = 0;
  if (n < 0)
    return MathError(ecArgumentError);
  if (k < 0 || k > n)
    return 0;
  if (k == 0 || k == n)
    return 1;
  if (k == 1 || n == k + 1)
    return n;
  k = std::min(k, n - k);
  Extended r = n;
  // Every factor (n-i+1)/i is at least 1 here, so once r overflows it stays infinite: stop there.
  for (std::int32_t i = 2; i <= k && std::isfinite(r); ++i)
    r = r * (static_cast<Extended>(n) - i + 1) / i;
  if (!std::isfinite(r))
    return MathError(ecOverflow);
  return std::trunc(r + 0.5L);
}

}  // namespace engine
