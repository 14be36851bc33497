#include "engine/FactorialGamma.h"

#include "engine/AngleReduction.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/GammaFunctions.h"
#include "engine/ErrorCodes.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

Extended StirlingGamma(Extended x)
{
  const Extended z = 1 / (x * x);
  const Extended s =
      1.0L / 12 + z * (-1.0L / 360 + z * (1.0L / 1260 + z * (-1.0L / 1680 + z * (1.0L / 1188 + z * (-691.0L / 360360 + z / 156)))));
  const Extended lnTwoPi = GuardedLn(2 * Pi);
  return GuardedExp((x - 0.5L) * GuardedLn(x) - x + 0.5L * lnTwoPi + s / x);
}

Extended Factorial(Extended x)
{
  if (x == 0)
    return 1;
  if (x < 0 || std::trunc(x) != x)
    return FunctionError(ecArgumentError);
  if (x > MaxFactorialArgument)
    return FunctionError(ecOverflow);
  Extended product = 1;
  for (int i = 2; i <= static_cast<int>(x); ++i)
    product *= i;
  return product;
}

Extended GammaFunction(Extended x)
{
  if (x == 0)
    return FunctionError(ecDivisionByZero);
  if (x > 0) {
    if (std::trunc(x) == x)
      return Factorial(x - 1);
    if (x >= 12)
      return StirlingGamma(x);
    const auto n = static_cast<int>(std::trunc(x));
    const Extended f = x - n;
    Extended divisor = 1;
    for (int k = n; k <= 11; ++k)
      divisor *= f + k;
    return StirlingGamma(f + 12) / divisor;
  }
  if (std::trunc(x) == x)
    return FunctionError(ecDivisionByZero);
  // sin(pi (1 - x)) = sin(pi x), taken without rounding 1 - x or pi x first.
  const Extended sine = SinPi(x);
  const Extended product = GammaFunction(1 - x) * sine;
  if (ErrorFlag && ErrorCode == ecOverflow) {
    // gamma(1 - x) beyond the range: gamma(x) lies near or below the bottom of it.
    ErrorFlag = false;
    const Extended lnMagnitude = LnPi - std::log(std::fabs(sine)) - LnGammaAbs(1 - x);
    if (ErrorFlag || lnMagnitude < ExpUnderflowLimit)
      return MathError(ecUnderflow);
    const Extended magnitude = std::exp(lnMagnitude);
    return sine > 0 ? magnitude : -magnitude;
  }
  if (ErrorFlag)
    return 0;
  if (product == 0)
    return FunctionError(ecDivisionByZero);
  return Pi / product;
}

Extended Permutations(std::int64_t n, std::int64_t k)
{
  if (n < 0 || k < 0 || k > n)
    return 0;
  // Every factor is at least 1, so once the product overflows it stays infinite: stop there.
  Extended product = 1;
  for (std::int64_t i = n - k + 1; i <= n && std::isfinite(product); ++i)
    product *= static_cast<Extended>(i);
  if (!std::isfinite(product))
    return MathError(ecOverflow);
  return std::trunc(product + 0.5L);
}

}  // namespace engine
