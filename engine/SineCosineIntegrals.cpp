// Si and Ci: their power series up to x = 4, and beyond it the continued fraction of E1(ix); near
// the zeros of Ci, where both cancel, its series in double-Extended arithmetic up to x = 24.
#include "engine/DoubleExtendedMath.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/IntegralFunctions.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "engine/FunctionAccuracy.h"

#include <cmath>
#include <complex>
#include <limits>

namespace engine {

namespace {

// Up to here the alternating series lose at most two of their digits.
constexpr Extended SeriesLimit = 4;
constexpr Extended SeriesEpsilon = std::numeric_limits<Extended>::epsilon() / 4;

struct SeriesSum {
  Extended value = 0;
  Extended magnitude = 0;
};

// Sum over k >= 0 of (-1)^k x^(2k+1) / ((2k+1) (2k+1)!).
SeriesSum SineSeries(Extended x)
{
  const Extended x2 = x * x;
  Extended term = x;  // (-1)^k x^(2k+1) / (2k+1)!
  SeriesSum sum{x, std::fabs(x)};
  for (int k = 1; k < MaxIterations; ++k) {
    term *= -x2 / ((2 * k) * (2 * k + 1));
    const Extended add = term / (2 * k + 1);
    sum.value += add;
    sum.magnitude += std::fabs(add);
    if (std::fabs(add) <= SeriesEpsilon * std::fabs(sum.value))
      break;
  }
  return sum;
}

// Sum over k >= 1 of (-1)^k x^(2k) / (2k (2k)!).
SeriesSum CosineSeries(Extended x)
{
  const Extended x2 = x * x;
  Extended term = 1;  // (-1)^k x^(2k) / (2k)!
  SeriesSum sum;
  for (int k = 1; k < MaxIterations; ++k) {
    term *= -x2 / ((2 * k - 1) * (2 * k));
    const Extended add = term / (2 * k);
    sum.value += add;
    sum.magnitude += std::fabs(add);
    if (std::fabs(add) <= SeriesEpsilon * std::fabs(sum.value))
      break;
  }
  return sum;
}

// E1(ix) e^(ix) = -Ci(x) + i (Si(x) - pi/2) multiplied back... by the modified Lentz continued
// fraction for x > 2: h = 1 / (1 + ix - 1 / (3 + ix - 4 / (5 + ix - ...))).
std::complex<Extended> ExpIntegralOfImaginary(Extended x)
{
  using C = std::complex<Extended>;
  constexpr Extended Tiny = std::numeric_limits<Extended>::min() * 1E10L;
  C b(1, x);
  C c(1 / Tiny, 0);
  C d = C(1, 0) / b;
  C h = d;
  for (int i = 2; i < MaxIterations; ++i) {
    const Extended a = -static_cast<Extended>(i - 1) * (i - 1);
    b += 2;
    d = C(1, 0) / (a * d + b);
    c = b + a / c;
    const C step = c * d;
    h *= step;
    if (std::fabs(step.real() - 1) + std::fabs(step.imag()) < SeriesEpsilon)
      break;
  }
  return h * C(std::cos(x), -std::sin(x));
}

// The relative rounding of a value summed from terms of the given magnitude: a few units of its
// last place.
Extended RoundingOf(Extended value, Extended magnitude)
{
  return 4 * SeriesEpsilon * magnitude / std::fabs(value == 0 ? 1 : value);
}

Extended WithRounding(Extended value, Extended magnitude)
{
  return AccurateResult(value, RoundingOf(value, magnitude));
}

// Up to here the series of Ci in double-Extended arithmetic keeps 24 digits of its largest term.
constexpr Extended PreciseSeriesLimit = 24;

// Ci = gamma + ln x + sum over k >= 1 of (-1)^k x^(2k) / (2k (2k)!) in double-Extended
// arithmetic: for values near the zeros of Ci, where the Extended sums cancel.
Extended CosineIntegralPrecise(Extended x)
{
  constexpr Extended StepRounding = 1E-31L;  // of a double-Extended step, with room
  constexpr Extended LnRounding = 3E-26L;    // of the double-Extended logarithm, 2^-85
  DoubleExtended minusX2;
  TwoProduct(x, x, minusX2.hi, minusX2.lo);
  minusX2 = -minusX2;
  const DoubleExtended ln = Ln(Exactly(x));
  DoubleExtended sum = EulerGammaPrecise + ln;
  DoubleExtended term = Exactly(1);  // (-1)^k x^(2k) / (2k)!
  Extended magnitude = EulerGammaPrecise.hi + std::fabs(ln.hi);
  int k = 1;
  for (; k < MaxIterations; ++k) {
    term = term * minusX2 / Exactly(static_cast<Extended>(2 * k - 1) * (2 * k));
    const DoubleExtended add = term / Exactly(2 * k);
    sum = sum + add;
    magnitude += std::fabs(add.hi);
    if (k > x && std::fabs(add.hi) < 1E-40L * std::fabs(sum.hi))
      break;
  }
  const Extended value = sum.Value();
  const Extended absolute = StepRounding * k * magnitude + LnRounding * std::fabs(ln.hi);
  return AccurateResult(value, absolute / std::fabs(value == 0 ? 1 : value));
}

}  // namespace

Extended SineIntegral(Extended x)
{
  // Si is odd.
  if (x < 0)
    return -SineIntegral(-x);
  ErrorCode = 0;
  if (x > SeriesLimit)
    return Pi / 2 + ExpIntegralOfImaginary(x).imag();
  const SeriesSum s = SineSeries(x);
  return WithRounding(s.value, s.magnitude);
}

Extended CosineIntegral(Extended x)
{
  if (x < 0)
    return FunctionError(ecArgumentError);
  ErrorCode = 0;
  if (x <= SeriesLimit) {
    const Extended ln = GuardedLn(x);
    if (ErrorFlag)
      return ln;
    const SeriesSum s = CosineSeries(x);
    const Extended value = EulerGammaExact + ln + s.value;
    if (RoundingOf(value, EulerGammaExact + std::fabs(ln) + s.magnitude) <= RequiredAccuracy)
      return value;
    return CosineIntegralPrecise(x);
  }
  // Near a zero of Ci the product's parts cancel; their rounding is about 1E-19 of |h|.
  const std::complex<Extended> h = ExpIntegralOfImaginary(x);
  if (x <= PreciseSeriesLimit && RoundingOf(-h.real(), std::abs(h)) > RequiredAccuracy)
    return CosineIntegralPrecise(x);
  return WithRounding(-h.real(), std::abs(h));
}

}  // namespace engine
