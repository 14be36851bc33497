#include "engine/ComplexGamma.h"

#include "engine/AngleReduction.h"
#include "engine/ComplexArithmetic.h"
#include "engine/ComplexErrorScope.h"
#include "engine/ComplexPowers.h"
#include "engine/LnGammaSeries.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <cmath>
#include <complex>

namespace engine {

namespace {

// From this real part on the Stirling series is accurate to the last digits.
constexpr Extended StirlingStart = 9;
// Steps of the recurrence up to the Stirling series; more would take too long.
constexpr int MaxRecurrenceSteps = 100000;

bool IsPole(Extended x, Extended y)
{
  return x <= 0 && y == 0 && std::trunc(x - 0.00000001L) == x;
}

// ln gamma for Re z >= StirlingStart.
TComplex StirlingSeries(const TComplex& z, ComplexErrorScope& errors)
{
  const TComplex lnZ = errors.Keep(ComplexLn(z));
  TComplex result = errors.Keep(ComplexMul({cfRectangular, z.X - 0.5L, z.Y}, lnZ));
  result = errors.Keep(ComplexSub(result, z));
  result.X += LnSqrt2Pi;

  // Odd powers of 1/z; the terms are added from the smallest up.
  const TComplex reciprocal = errors.Keep(ComplexDiv(ComplexOne, z));
  const TComplex reciprocalSquared = errors.Keep(ComplexMul(reciprocal, reciprocal));
  std::array<TComplex, StirlingCoefficients.size()> powers{};
  powers[0] = reciprocal;
  for (std::size_t n = 1; n < powers.size(); ++n)
    powers[n] = errors.Keep(ComplexMul(powers[n - 1], reciprocalSquared));
  for (std::size_t n = powers.size(); n-- > 0;) {
    const TComplex term{cfRectangular, StirlingCoefficients[n] * powers[n].X,
                        StirlingCoefficients[n] * powers[n].Y};
    result = errors.Keep(ComplexAdd(result, term));
  }
  return result;
}

// ln gamma far to the left in the upper half plane (Im z >= 0) by reflection:
// ln gamma(z) = ln pi - ln gamma(1 - z) - ln sin(pi z), with the branch of ln sin(pi z) that is
// continuous there: -i pi z - ln 2 + i pi/2 + ln(1 - e^(2 pi i z)).
TComplex ReflectedLnGamma(const TComplex& z, ComplexErrorScope& errors)
{
  using StdComplex = std::complex<Extended>;
  // e^(2 pi i x): 2x is exact, and beyond 2^62 it is an even whole number.
  const Extended twoX = 2 * z.X;
  const bool whole = std::fabs(twoX) >= 0x1p62L;
  const Extended sine = whole ? 0 : SinPi(twoX);
  const Extended cosine = whole ? 1 : SinPi(twoX + 0.5L);
  const Extended decay = std::exp(-2 * Pi * z.Y);
  const StdComplex q{decay * cosine, decay * sine};
  const StdComplex lnSin = StdComplex{Pi * z.Y - std::log(Extended(2)), Pi / 2 - Pi * z.X} + std::log(StdComplex(1) - q);
  const TComplex lnGammaReflected = errors.Keep(ComplexLnGamma({cfRectangular, 1 - z.X, -z.Y}));
  return errors.Keep(FiniteComplex({cfRectangular, LnPi - lnGammaReflected.X - lnSin.real(), -lnGammaReflected.Y - lnSin.imag()}));
}

// ln gamma in the upper half plane and on the real axis, away from the poles:
// ln gamma(z) = ln gamma(z + n) - (ln z + ln(z + 1) + ... + ln(z + n - 1)).
TComplex UpperLnGamma(const TComplex& z, ComplexErrorScope& errors)
{
  if (StirlingStart - z.X > MaxRecurrenceSteps)
    return ReflectedLnGamma(z, errors);
  TComplex shifted = z;
  TComplex logSum = ComplexZero;
  while (shifted.X < StirlingStart) {
    logSum = errors.Keep(ComplexAdd(logSum, errors.Keep(ComplexLn(shifted))));
    shifted.X += 1;
  }
  const TComplex series = StirlingSeries(shifted, errors);
  return errors.Keep(ComplexSub(series, logSum));
}

// ln gamma within NearOneOrTwo of 1 or 2 from the series about 1; false elsewhere.
bool LnGammaNearOneOrTwo(const TComplex& z, TComplex& result)
{
  using StdComplex = std::complex<Extended>;
  const StdComplex w{z.X - 1, z.Y};
  StdComplex value;
  if (std::abs(w) <= NearOneOrTwo) {
    value = LnGammaOnePlus(w);
  } else if (const StdComplex v{z.X - 2, z.Y}; std::abs(v) <= NearOneOrTwo) {
    // ln(1 + v) without the cancellation of forming 1 + v first.
    const StdComplex lnOnePlus{std::log1p(v.real() * (2 + v.real()) + v.imag() * v.imag()) / 2,
                               std::atan2(v.imag(), 1 + v.real())};
    value = lnOnePlus + LnGammaOnePlus(v);
  } else {
    return false;
  }
  result = {cfRectangular, value.real(), value.imag()};
  return true;
}

}  // namespace

TComplex ComplexLnGamma(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  if (IsPole(r.X, r.Y)) {
    MathError(ecSingularity);
    return errors.Keep(ComplexInfinity);
  }
  if (TComplex nearOneOrTwo; LnGammaNearOneOrTwo(r, nearOneOrTwo))
    return nearOneOrTwo;
  if (r.Y < 0) {
    const TComplex upper = UpperLnGamma(ComplexConj(r), errors);
    return ComplexConj(upper);
  }
  return UpperLnGamma(r, errors);
}

}  // namespace engine
