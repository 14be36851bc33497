#include "engine/AccurateElementary.h"

#include "engine/AngleReduction.h"
#include "engine/DoubleExtendedMath.h"
#include "engine/MathConstants.h"
#include "engine/RoundedSine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

namespace {

constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();

// Below this |x|, f(x) = x (1 + O(x^2)) rounds to x or 1/x within a unit of the last place.
constexpr Extended LinearLimit = 0x1p-32L;
// Above this |x|, e^-|x| no longer counts beside e^|x| at the kernels' width.
constexpr Extended OneExponentialLimit = 44;
// Above this |x|, cosh and sinh overflow and sech and csch underflow to 0.
constexpr Extended ExponentialLimit = 11400;
// Above this |x|, tanh x rounds to +-1.
constexpr Extended TanhOneLimit = 23;
// Above this x, sqrt(x^2 +- 1) = x to the kernels' width.
constexpr Extended SquareLimit = 0x1p32L;

const DoubleExtended InvLn10 = {0xde5bd8a937287195p-65L, 0xd56eaabeb4cf70c9p-131L};
const DoubleExtended Log2OfE = {0xb8aa3b295c17f0bcp-63L, -0x82f0025f2dc582eep-128L};

DoubleExtended Square(Extended a)
{
  DoubleExtended s;
  TwoProduct(a, a, s.hi, s.lo);
  return s;
}

DoubleExtended SumOf(Extended a, Extended b)
{
  return DoubleExtended::Normalized(a, b);
}

// sinh a for 0 <= a <= 44: (E + E / (E + 1)) / 2 with E = e^a - 1 keeps its digits near 0.
DoubleExtended SinhNear(Extended a)
{
  const DoubleExtended e = ExpMinusOne(Exactly(a));
  return ScaledBy(e + e / (e + Exactly(1)), -1);
}

DoubleExtended CoshNear(Extended a)
{
  const ScaledExp e = ExpScaled(Exactly(a));
  const DoubleExtended v = ScaledBy(e.m, e.n);
  return ScaledBy(v + Exactly(1) / v, -1);
}

// e^a / 2 or 2 e^-a for a > 44, rounded once (also into the subnormal range).
Extended HalfExp(Extended a, bool reciprocal)
{
  const ScaledExp e = ExpScaled(Exactly(a));
  if (reciprocal)
    return std::ldexp((Exactly(1) / e.m).Value(), 1 - e.n);
  return std::ldexp(e.m.Value(), e.n - 1);
}

// sin and cos of an angle in radians or degrees; of a non-finite angle, the library's own values.
void SinCosPrecise(Extended angle, bool degrees, DoubleExtended& s, DoubleExtended& c)
{
  if (degrees) {
    SinCosDegreesPrecise(angle, s, c);
    return;
  }
  int q = 0;
  DoubleExtended r;
  if (!ReduceByQuarterTurns(angle, q, r)) {
    s = Exactly(std::sin(angle));
    c = Exactly(std::cos(angle));
    return;
  }
  SinCosReduced(q, r, s, c);
}

// A finite angle as q pi/2 + r.
void Reduce(Extended angle, bool degrees, int& q, DoubleExtended& r)
{
  if (degrees)
    ReduceDegreesPrecise(angle, q, r);
  else
    ReduceByQuarterTurns(angle, q, r);
}

// sin (quarter = 0) or cos (quarter = 1) of a finite angle.
Extended SineOfShifted(Extended angle, bool degrees, int quarter)
{
  if (!degrees && std::fabs(angle) < LinearLimit)
    return quarter == 0 ? angle : 1;
  int q = 0;
  DoubleExtended r;
  Reduce(angle, degrees, q, r);
  return SineOfQuarterTurns(q + quarter, r);
}

const DoubleExtended DegreesPerRadian = {0xe52ee0d31e0fbdc3p-58L, 1.4353641179243506216233439e-19L};

}  // namespace

DoubleExtended AngleOfPoint(DoubleExtended y, DoubleExtended x)
{
  // Scaled by a power of 2 so that the products neither overflow nor lose their low parts.
  const Extended largest = std::max(std::fabs(x.hi), std::fabs(y.hi));
  if (largest == 0 || !std::isfinite(largest))
    return Exactly(std::atan2(y.hi, x.hi));
  if (largest > 0x1p8000L || largest < 0x1p-8000L) {
    const int e = std::ilogb(largest);
    x = ScaledBy(x, -e);
    y = ScaledBy(y, -e);
  }
  // A part the scaling took below the range is a zero with its sign: hi + lo would lose the sign
  // of -0 and put a point just below the negative axis on the other side of the cut.
  const Extended a0 = std::atan2(y.hi == 0 ? y.hi : y.Value(), x.hi == 0 ? x.hi : x.Value());
  int q = 0;
  DoubleExtended r, s, c;
  ReduceByQuarterTurns(a0, q, r);
  SineAndCosineToBits(q, r, s, c);
  const DoubleExtended numerator = y * c + -(x * s);
  const Extended denominator = (x * c + y * s).Value();
  return DoubleExtended::Normalized(a0, numerator.Value() / denominator);
}

namespace {

// sqrt(1 - x^2) for |x| <= 1, as (1 - x)(1 + x) without cancellation.
DoubleExtended Complement(Extended x)
{
  return Sqrt(SumOf(1, -x) * SumOf(1, x));
}

Extended InDegrees(const DoubleExtended& radians)
{
  return (radians * DegreesPerRadian).Value();
}

}  // namespace

Extended Sinh(Extended x)
{
  const Extended a = std::fabs(x);
  if (a < LinearLimit)
    return x;
  Extended v = 0;
  if (a > ExponentialLimit)
    v = Infinity;
  else if (a > OneExponentialLimit)
    v = HalfExp(a, false);
  else
    v = SinhNear(a).Value();
  return std::copysign(v, x);
}

Extended Cosh(Extended x)
{
  const Extended a = std::fabs(x);
  if (a > ExponentialLimit)
    return Infinity;
  if (a > OneExponentialLimit)
    return HalfExp(a, false);
  return CoshNear(a).Value();
}

Extended Tanh(Extended x)
{
  const Extended a = std::fabs(x);
  if (a < LinearLimit)
    return x;
  if (a > TanhOneLimit)
    return std::copysign(Extended(1), x);
  // tanh a = -E / (E + 2) with E = e^-2a - 1.
  const DoubleExtended e = ExpMinusOne(Exactly(-2 * a));
  return std::copysign((-e / (e + Exactly(2))).Value(), x);
}

Extended Sech(Extended x)
{
  const Extended a = std::fabs(x);
  if (a > ExponentialLimit)
    return 0;
  if (a > OneExponentialLimit)
    return HalfExp(a, true);
  return (Exactly(1) / CoshNear(a)).Value();
}

Extended Csch(Extended x)
{
  const Extended a = std::fabs(x);
  Extended v = 0;
  if (a < LinearLimit)
    return 1 / x;
  if (a > ExponentialLimit)
    v = 0;
  else if (a > OneExponentialLimit)
    v = HalfExp(a, true);
  else
    v = (Exactly(1) / SinhNear(a)).Value();
  return std::copysign(v, x);
}

Extended ArcCosRadians(Extended x)
{
  const Extended a = std::fabs(x);
  // One Newton step from the library's value a0 on 1 - cos a0 = 2 sin^2(a0/2), which keeps its
  // digits where a0 is small: a0 + (1 - a - 2 sin^2(a0/2)) / sin a0.
  const Extended a0 = std::acos(a);
  DoubleExtended sh, ch;
  SinCosReduced(0, Exactly(a0 / 2), sh, ch);
  const DoubleExtended versine = ScaledBy(sh * sh, 1);
  const DoubleExtended sine = ScaledBy(sh * ch, 1);
  DoubleExtended v = Exactly(a0);
  if (sine.hi != 0)
    v = v + (SumOf(1, -a) + -versine) / sine;
  if (x < 0)
    v = DoubleExtended{Pi, PiLow} + -v;
  return v.Value();
}

Extended ArcSinh(Extended x)
{
  const Extended a = std::fabs(x);
  if (a < LinearLimit)
    return x;
  DoubleExtended v;
  if (a < 0.5L) {
    // ln(1 + u) with u = a + a^2 / (1 + sqrt(1 + a^2)).
    const DoubleExtended a2 = Square(a);
    v = LnOnePlus(Exactly(a) + a2 / (Sqrt(a2 + Exactly(1)) + Exactly(1)));
  } else if (a < SquareLimit) {
    v = Ln(Exactly(a) + Sqrt(Square(a) + Exactly(1)));
  } else {
    v = Ln(Exactly(a)) + Ln2();
  }
  return std::copysign(v.Value(), x);
}

Extended ArcCosh(Extended x)
{
  if (x == 1)
    return 0;
  if (x < 1.5L) {
    // ln(1 + u) with u = t + sqrt(t (t + 2)), t = x - 1 exactly.
    const Extended t = x - 1;
    return LnOnePlus(Exactly(t) + Sqrt(Exactly(t) * SumOf(t, 2))).Value();
  }
  if (x < SquareLimit)
    return Ln(Exactly(x) + Sqrt(SumOf(x, -1) * SumOf(x, 1))).Value();
  return (Ln(Exactly(x)) + Ln2()).Value();
}

Extended ArcTanh(Extended x)
{
  const Extended a = std::fabs(x);
  if (a < LinearLimit)
    return x;
  DoubleExtended v;
  if (a < 0.5L)
    v = LnOnePlus(Exactly(2 * a) / SumOf(1, -a));  // ln(1 + 2a / (1 - a))
  else
    v = Ln(SumOf(1, a) / Exactly(1 - a));
  return std::copysign(ScaledBy(v, -1).Value(), x);
}

Extended Log10(Extended x)
{
  return (Ln(Exactly(x)) * InvLn10).Value();
}

Extended Log2(Extended x)
{
  return (Ln(Exactly(x)) * Log2OfE).Value();
}

Extended LogBase(Extended b, Extended y)
{
  return (Ln(Exactly(y)) / Ln(Exactly(b))).Value();
}

Extended Hypot(Extended a, Extended b)
{
  a = std::fabs(a);
  b = std::fabs(b);
  const Extended p = std::max(a, b);
  const Extended q = std::min(a, b);
  if (p == 0 || !std::isfinite(p))
    return p;
  // Scaled by a power of 2 so that neither square overflows or loses its low part.
  const int e = std::ilogb(p);
  const Extended ps = std::ldexp(p, -e);
  const Extended qs = std::ldexp(q, -e);
  return std::ldexp(Sqrt(Square(ps) + Square(qs)).Value(), e);
}

Extended SinOf(Extended angle, bool degrees)
{
  return SineOfShifted(angle, degrees, 0);
}

Extended CosOf(Extended angle, bool degrees)
{
  return SineOfShifted(angle, degrees, 1);
}

void SinCosOf(Extended angle, bool degrees, Extended& s, Extended& c)
{
  if (!degrees && std::fabs(angle) < LinearLimit) {
    s = angle;
    c = 1;
    return;
  }
  int q = 0;
  DoubleExtended r;
  Reduce(angle, degrees, q, r);
  SineAndCosineOfQuarterTurns(q, r, s, c);
}

Extended ArcSinDegrees(Extended x)
{
  return InDegrees(AngleOfPoint(Exactly(x), Complement(x)));
}

Extended ArcCosDegrees(Extended x)
{
  return InDegrees(AngleOfPoint(Complement(x), Exactly(x)));
}

Extended ArcTanDegrees(Extended x)
{
  return InDegrees(AngleOfPoint(Exactly(x), Exactly(1)));
}

Extended ArcTan2Degrees(Extended y, Extended x)
{
  return InDegrees(AngleOfPoint(Exactly(y), Exactly(x)));
}

bool TrigRatioOf(TrigRatio ratio, Extended angle, bool degrees, Extended& value)
{
  DoubleExtended s, c;
  SinCosPrecise(angle, degrees, s, c);
  const bool sineBelow = ratio == TrigRatio::Cot || ratio == TrigRatio::Csc;
  const DoubleExtended& denominator = sineBelow ? s : c;
  if (denominator.hi == 0)
    return false;
  DoubleExtended numerator = Exactly(1);
  if (ratio == TrigRatio::Tan)
    numerator = s;
  else if (ratio == TrigRatio::Cot)
    numerator = c;
  value = (numerator / denominator).Value();
  if (std::isnan(value))
    value = numerator.hi / denominator.hi;  // beyond the range: the low part of the quotient is lost
  return true;
}

}  // namespace engine
