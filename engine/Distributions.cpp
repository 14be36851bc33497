#include "engine/Distributions.h"

#include "engine/EngineState.h"
#include "engine/IncompleteBeta.h"
#include "engine/IncompleteGamma.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

namespace {

constexpr Extended TwoOverSqrtPi = 1.1283791670955125739L;
constexpr Extended SqrtHalf = 0.70710678118654752438L;
// Below this |x|, x^2 loses its digits in Extended; erf x is 2x/sqrt(pi) there to full precision.
constexpr Extended ErfLinearLimit = 1E-2000L;

// s / (n + s): 1 - n / (n + s) to its own last digit, 1 for an infinite s.
Extended Complement(Extended s, Extended n)
{
  return std::isinf(s) ? 1 : s / (n + s);
}

}  // namespace

Extended ErfFunction(Extended x)
{
  ErrorCode = 0;
  if (std::fabs(x) < ErfLinearLimit)
    return TwoOverSqrtPi * x;
  const Extended p = IGamma(0.5L, x * x);
  if (ErrorCode != 0)
    return p;
  return x < 0 ? -p : p;
}

Extended ErfcFunction(Extended x)
{
  ErrorCode = 0;
  if (x >= 0)
    return JGamma(0.5L, x * x);
  const Extended p = IGamma(0.5L, x * x);
  if (ErrorCode != 0)
    return p;
  return 1 + p;
}

Extended PNorm(Extended x)
{
  ErrorCode = 0;
  x = std::fabs(x);
  if (x == 0)
    return 1;
  const Extended y = x * SqrtHalf;
  if (x >= 1)
    return ErfcFunction(y);
  const Extended erf = ErfFunction(y);
  if (ErrorCode != 0)
    return erf;
  return 1 - erf;
}

Extended PStudent(std::int32_t nu, Extended t)
{
  ErrorCode = 0;
  if (nu <= 0)
    return MathError(ecArgumentError);
  const Extended n = nu;
  const Extended square = t * t;
  return IBetaParts(n / 2, 0.5L, n / (n + square), Complement(square, n));
}

Extended PKhi2(std::int32_t nu, Extended x)
{
  ErrorCode = 0;
  if (nu <= 0)
    return MathError(ecArgumentError);
  return JGamma(static_cast<Extended>(nu) / 2, x / 2);
}

Extended PSnedecor(std::int32_t nu1, std::int32_t nu2, Extended f)
{
  ErrorCode = 0;
  if (nu1 <= 0 || nu2 <= 0)
    return MathError(ecArgumentError);
  const Extended n1 = nu1;
  const Extended n2 = nu2;
  const Extended scaled = n1 * f;
  return IBetaParts(n2 / 2, n1 / 2, n2 / (n2 + scaled), Complement(scaled, n2));
}

}  // namespace engine
