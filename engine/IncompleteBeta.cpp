#include "engine/IncompleteBeta.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/GammaFunctions.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

namespace {

Extended AtLeastTiny(Extended v)
{
  return std::fabs(v) < Tiny ? Tiny : v;
}

// ln of x^a (1-x)^b / B(a, b), 0 < x < 1; records the errors of the gamma logarithms.
Extended BetaPrefactorLn(Extended a, Extended b, Extended x)
{
  const Extended lnGammaSum = LnGammaAbs(a + b);
  if (ErrorCode != 0)
    return lnGammaSum;
  const Extended lnGammaA = LnGammaAbs(a);
  if (ErrorCode != 0)
    return lnGammaA;
  const Extended lnGammaB = LnGammaAbs(b);
  if (ErrorCode != 0)
    return lnGammaB;
  // log1p keeps the digits of ln(1-x) for small x.
  return lnGammaSum - lnGammaA - lnGammaB + a * std::log(x) + b * std::log1p(-x);
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
  ErrorCode = 0;
  if (!(a > 0 && b > 0 && x >= 0 && x <= 1))  // NaN fails too
    return MathError(ecArgumentError);
  if (x == 0 || x == 1)
    return x;
  const Extended lnPrefactor = BetaPrefactorLn(a, b, x);
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
  const Extended fraction = IBetaFraction(b, a, 1 - x);
  if (ErrorCode != 0)
    return fraction;
  return FiniteResult(1 - bt * fraction / b);
}

}  // namespace engine
