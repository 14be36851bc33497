// Si and Ci: their power series up to x = 4, and beyond it the continued fraction of E1(ix); near
// the zeros of Ci, where both cancel, its series or the fraction in double-Extended arithmetic.
#include "engine/DoubleExtendedMath.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/IntegralFunctions.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "engine/FunctionAccuracy.h"
#include "engine/PreciseKernels.h"

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
  if (value == 0)  // all digits cancelled: no Extended argument is a zero of Ci or Si
    return magnitude == 0 ? 0 : std::numeric_limits<Extended>::infinity();
  return 4 * SeriesEpsilon * magnitude / std::fabs(value);
}

Extended WithRounding(Extended value, Extended magnitude)
{
  return AccurateResult(value, RoundingOf(value, magnitude));
}

// Up to here the series of Ci in double-Extended arithmetic keeps more digits than the fraction.
constexpr Extended PreciseSeriesLimit = 6;
// Rounding of a double-Extended step, relative to its operands, with room.
constexpr Extended StepRounding = 1E-36L;

// Ci = gamma + ln x + sum over k >= 1 of (-1)^k x^(2k) / (2k (2k)!) in double-Extended
// arithmetic: for values near the zeros of Ci, where the Extended sums cancel.
Extended CosineIntegralPrecise(Extended x)
{
  DoubleExtended minusX2;
  TwoProduct(x, x, minusX2.hi, minusX2.lo);
  minusX2 = -minusX2;
  const DoubleExtended ln = LnPrecise(x);
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
  const Extended absolute = StepRounding * (k + 4) * magnitude + PreciseKernelRounding * std::fabs(ln.hi);
  return AccurateResult(value, absolute / std::fabs(value));
}

// A complex number of double-Extended parts.
struct PreciseComplex {
  DoubleExtended re;
  DoubleExtended im;
};

PreciseComplex operator+(const PreciseComplex& a, const PreciseComplex& b)
{
  return {a.re + b.re, a.im + b.im};
}

PreciseComplex Reciprocal(const PreciseComplex& a)
{
  const DoubleExtended norm = a.re * a.re + a.im * a.im;
  return {a.re / norm, -(a.im / norm)};
}

// The continued fraction of ExpIntegralOfImaginary in double-Extended arithmetic, evaluated from
// its depth-th term back.
PreciseComplex PreciseFraction(Extended x, int depth)
{
  PreciseComplex tail{Exactly(0), Exactly(0)};
  for (int i = depth; i >= 2; --i) {
    const Extended a = -static_cast<Extended>(i - 1) * (i - 1);
    const PreciseComplex b{Exactly(2 * i - 1), Exactly(x)};
    tail = Reciprocal(b + tail);
    tail = {tail.re * Exactly(a), tail.im * Exactly(a)};
  }
  return Reciprocal(PreciseComplex{Exactly(1), Exactly(x)} + tail);
}

// Ci beyond the series by that fraction, with sin and cos to 120 bits: near the zeros of Ci the
// two products cancel to the digits of their parts.
Extended CosineIntegralByPreciseFraction(Extended x)
{
  // The fraction converges about geometrically in its depth: doubled until two depths agree, the
  // deeper one is far nearer than their difference.
  constexpr int MaxDepth = 1 << 16;
  int depth = 64;
  PreciseComplex h = PreciseFraction(x, depth);
  Extended change = std::numeric_limits<Extended>::infinity();
  while (depth < MaxDepth) {
    depth *= 2;
    const PreciseComplex deeper = PreciseFraction(x, depth);
    change = std::fabs((deeper.re + -h.re).Value()) + std::fabs((deeper.im + -h.im).Value());
    h = deeper;
    if (change < 1E-38L * (std::fabs(h.re.hi) + std::fabs(h.im.hi)))
      break;
  }
  DoubleExtended s;
  DoubleExtended c;
  if (!SinCosPrecise(x, s, c))
    return MathError(ecArgumentError);
  // -Ci = Re(h (cos x - i sin x)).
  const DoubleExtended minusCi = h.re * c + h.im * s;
  const Extended value = -minusCi.Value();
  const Extended scale = std::fabs(h.re.hi) + std::fabs(h.im.hi);
  const Extended absolute = (StepRounding * 8 * depth + PreciseKernelRounding) * scale + change;
  return AccurateResult(value, absolute / std::fabs(value));
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
    if (RoundingOf(value, EulerGammaExact + std::fabs(ln) + s.magnitude) <= RequiredAccuracy / 64)
      return value;
    return CosineIntegralPrecise(x);
  }
  // Near a zero of Ci the product's parts cancel; their rounding is about 1E-19 of |h|, more after
  // a long fraction: the Extended value is kept only with a wide margin.
  const std::complex<Extended> h = ExpIntegralOfImaginary(x);
  if (RoundingOf(-h.real(), std::abs(h)) <= RequiredAccuracy / 64)
    return -h.real();
  return x <= PreciseSeriesLimit ? CosineIntegralPrecise(x) : CosineIntegralByPreciseFraction(x);
}

}  // namespace engine
