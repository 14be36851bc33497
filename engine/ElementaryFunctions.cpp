#include "engine/ElementaryFunctions.h"

#include "engine/AccurateElementary.h"
#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace engine {

void SwapExtended(Extended& a, Extended& b)
{
  std::swap(a, b);
}

std::int32_t Sgn(Extended x)
{
  if (x > 0)
    return 1;
  if (x < 0)
    return -1;
  return 0;
}

Extended GuardedExp(Extended x)
{
  ErrorCode = 0;
  if (std::isnan(x))
    return MathError(ecArgumentError);
  if (x < ExpUnderflowLimit)
    return MathError(ecUnderflow);
  if (x > ExpOverflowLimit)
    return MathError(ecOverflow);
  // The upper limit is ln of the largest Extended rounded, so the last step may still overflow.
  return FiniteResult(std::exp(x));
}

Extended GuardedLn(Extended x)
{
  ErrorCode = 0;
  if (std::isnan(x) || x < 0)
    return MathError(ecArgumentError);
  if (x == 0)
    return MathError(ecSingularity);
  return FiniteResult(std::log(x));
}

Extended Log2Guarded(Extended x)
{
  const Extended ln = GuardedLn(x);
  if (ErrorCode != 0)
    return ln;
  return Log2(x);
}

Extended IntPower(std::int32_t n, Extended x)
{
  ErrorCode = 0;
  if (std::isnan(x))
    return MathError(ecArgumentError);
  if (x == 0) {
    if (n < 0)
      return MathError(ecSingularity);
    return n == 0 ? 1 : 0;
  }
  // 64 bits, so that the magnitude of the smallest int32 is representable.
  std::int64_t count = n < 0 ? -static_cast<std::int64_t>(n) : n;
  Extended base = x;
  Extended result = 1;
  while (count > 0) {
    if (count % 2 != 0)
      result *= base;
    base *= base;
    count /= 2;
  }
  if (n < 0)
    result = 1 / result;  // an overflowed power gives 0 here, an underflowed one infinity
  return FiniteResult(result);
}

Extended Pythag(Extended a, Extended b)
{
  const Extended p = std::max(std::fabs(a), std::fabs(b));
  const Extended q = std::min(std::fabs(a), std::fabs(b));
  if (p == 0)
    return 0;
  const Extended r = q / p;
  return FiniteResult(p * std::sqrt(1 + r * r));
}

Extended FixAngle(Extended x)
{
  if (!std::isfinite(x))
    return MathError(ecArgumentError);
  constexpr Extended TwoPi = 2 * Pi;
  // Far from zero, subtracting 2 pi step by step would take too long or not change x at all.
  if (std::fabs(x) > 8 * Pi)
    x = std::remainder(x, TwoPi);
  while (x > Pi)
    x -= TwoPi;
  while (x <= -Pi)
    x += TwoPi;
  return x;
}

Extended SinGuarded(Extended x)
{
  if (!std::isfinite(x))
    return MathError(ecArgumentError);
  return std::sin(x);
}

void SinCos(Extended x, Extended& s, Extended& c)
{
  if (!std::isfinite(x)) {
    s = MathError(ecArgumentError);
    c = 0;
    return;
  }
  s = std::sin(x);
  c = std::cos(x);
}

void SinhCosh(Extended x, Extended& sh, Extended& ch)
{
  ErrorCode = 0;
  if (std::isnan(x)) {
    sh = MathError(ecArgumentError);
    ch = 0;
    return;
  }
  if (std::fabs(x) > ExpOverflowLimit) {
    ch = MathError(ecOverflow);
    sh = Sgn(x) * ch;
    return;
  }
  // The library's sinh keeps its digits for tiny x, where (e^x - e^-x)/2 would cancel to nothing.
  ch = FiniteResult(std::cosh(x));
  sh = FiniteResult(std::sinh(x));
}

}  // namespace engine
