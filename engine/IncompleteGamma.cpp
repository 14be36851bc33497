#include "engine/IncompleteGamma.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/FiniteResult.h"
#include "engine/GammaFunctions.h"
#include "engine/IncompleteGammaLarge.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

namespace {

enum class TailUse { Direct, Complement };
enum class TailMethod { Series, Fraction };

// Sum of the series of P(a, x) without its factor x^a e^-x / gamma(a).
Extended LowerGammaSeriesSum(Extended a, Extended x)
{
  Extended ap = a;
  Extended del = 1 / a;
  Extended sum = del;
  for (int i = 0; i < MaxIterations; ++i) {
    ap += 1;
    del *= x / ap;
    sum += del;
    if (std::fabs(sum) * Eps > std::fabs(del))
      return sum;
  }
  return MathError(ecArgumentError);
}

// x^a e^-x / gamma(a). Below the Extended range it gives 0 and sets underflow, recording nothing.
Extended GammaPrefactor(Extended a, Extended x, bool& underflow)
{
  underflow = false;
  if (std::isinf(x)) {
    underflow = true;
    return 0;
  }
  Extended exponent = 0;
  if (a >= LargeGammaParameter) {
    exponent = LnGammaPrefactorLarge(a, x);
  } else {
    const Extended lnX = GuardedLn(x);
    if (ErrorCode != 0)
      return lnX;
    const Extended lnGamma = LnGammaAbs(a);
    if (ErrorCode != 0)
      return lnGamma;
    exponent = a * lnX - x - lnGamma;
  }
  if (exponent < ExpUnderflowLimit) {
    underflow = true;
    return 0;
  }
  return GuardedExp(exponent);
}

// One tail of the incomplete gamma ratio, or 1 minus it. A tail below the Extended range is
// error 28 when it is the result; its complement is then simply 1.
Extended GammaTail(Extended a, Extended x, TailMethod method, TailUse use)
{
  ErrorCode = 0;
  bool underflow = false;
  const Extended prefactor = GammaPrefactor(a, x, underflow);
  if (ErrorCode != 0)
    return prefactor;
  if (underflow)
    return use == TailUse::Complement ? 1 : MathError(ecUnderflow);
  const Extended sum =
      method == TailMethod::Series ? LowerGammaSeriesSum(a, x) : UpperGammaContinuedFraction(a, x);
  if (ErrorCode != 0)
    return sum;
  const Extended tail = FiniteResult(sum * prefactor);
  if (ErrorCode != 0)
    return tail;
  return use == TailUse::Complement ? 1 - tail : tail;
}

bool InDomain(Extended a, Extended x)
{
  return a > 0 && x >= 0;  // false for NaN too
}

// P (upper = false) or Q near the bulk of a large parameter; false elsewhere.
bool LargeParameterRatio(Extended a, Extended x, bool upper, Extended& value)
{
  GammaTails tails;
  if (!TemmeGammaTails(a, x, tails))
    return false;
  if (tails.smallerIsUpper != upper)
    value = tails.underflow ? 1 : 1 - tails.smaller;
  else
    value = tails.underflow ? MathError(ecUnderflow) : tails.smaller;
  return true;
}

}  // namespace

Extended UpperGammaContinuedFraction(Extended a, Extended x)
{
  // Modified Lentz.
  Extended b = x + 1 - a;
  Extended c = 1 / Tiny;
  Extended d = 1 / b;
  Extended h = d;
  for (int i = 1; i <= MaxIterations; ++i) {
    const Extended an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < Tiny)
      d = Tiny;
    c = b + an / c;
    if (std::fabs(c) < Tiny)
      c = Tiny;
    d = 1 / d;
    const Extended del = d * c;
    h *= del;
    if (std::fabs(del - 1) < Eps || !std::isfinite(h))
      return FiniteResult(h);  // outside the fraction's domain h may run away to NaN
  }
  return MathError(ecArgumentError);
}

Extended IGammaSeries(Extended a, Extended x)
{
  return GammaTail(a, x, TailMethod::Series, TailUse::Direct);
}

Extended IGammaFraction(Extended a, Extended x)
{
  return GammaTail(a, x, TailMethod::Fraction, TailUse::Direct);
}

Extended IGamma(Extended a, Extended x)
{
  ErrorCode = 0;
  if (!InDomain(a, x))
    return MathError(ecArgumentError);
  if (x == 0)
    return 0;
  if (Extended large = 0; LargeParameterRatio(a, x, false, large))
    return large;
  if (x >= a + 1)
    return GammaTail(a, x, TailMethod::Fraction, TailUse::Complement);
  return GammaTail(a, x, TailMethod::Series, TailUse::Direct);
}

Extended JGamma(Extended a, Extended x)
{
  ErrorCode = 0;
  if (!InDomain(a, x))
    return MathError(ecArgumentError);
  if (x == 0)
    return 1;
  if (Extended large = 0; LargeParameterRatio(a, x, true, large))
    return large;
  if (x >= a + 1)
    return GammaTail(a, x, TailMethod::Fraction, TailUse::Direct);
  return GammaTail(a, x, TailMethod::Series, TailUse::Complement);
}

}  // namespace engine
