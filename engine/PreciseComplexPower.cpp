#include "engine/PreciseComplexPower.h"

#include "engine/AccurateElementary.h"
#include "engine/ComplexErrorScope.h"
#include "engine/DoubleExtendedMath.h"
#include "engine/ExactArithmetic.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

namespace {

// (re + i im) 2^exponent, the larger part's high half in [1, 2) (both 0 only for 0).
struct ScaledComplex {
  DoubleExtended re;
  DoubleExtended im;
  std::int64_t exponent = 0;
};

ScaledComplex Normalized(const DoubleExtended& re, const DoubleExtended& im, std::int64_t exponent)
{
  const Extended largest = std::max(std::fabs(re.hi), std::fabs(im.hi));
  if (largest == 0)
    return {re, im, 0};
  const int k = std::ilogb(largest);
  return {ScaledBy(re, -k), ScaledBy(im, -k), exponent + k};
}

ScaledComplex Times(const ScaledComplex& a, const ScaledComplex& b)
{
  return Normalized(a.re * b.re + -(a.im * b.im), a.re * b.im + a.im * b.re, a.exponent + b.exponent);
}

ScaledComplex Reciprocal(const ScaledComplex& z)
{
  const DoubleExtended d = z.re * z.re + z.im * z.im;
  return Normalized(z.re / d, -(z.im / d), -z.exponent);
}

TComplex Failure(int code)
{
  MathError(code);
  return code == ecOverflow ? ComplexInfinity : ComplexZero;
}

// Out of the range ldexp is asked to reach, with room for the parts' own exponents.
constexpr std::int64_t ExponentClamp = 20000;

// The rounded value; a modulus beyond the range records 11, below the normal range 28.
TComplex Rounded(const ScaledComplex& z)
{
  const int e = static_cast<int>(std::clamp(z.exponent, -ExponentClamp, ExponentClamp));
  const Extended modulus = std::ldexp(std::hypot(z.re.hi, z.im.hi), e);
  if (!std::isfinite(modulus))
    return Failure(ecOverflow);
  if (modulus < std::numeric_limits<Extended>::min())
    return Failure(ecUnderflow);
  return {cfRectangular, std::ldexp(z.re.Value(), e), std::ldexp(z.im.Value(), e)};
}

// sin and cos of hi + lo. A low half beyond the reach of the reduced series is reduced apart and
// added by the angle-sum formulas.
void SinCosOfSum(const DoubleExtended& angle, DoubleExtended& s, DoubleExtended& c)
{
  constexpr Extended SmallLow = 0.125L;
  int q = 0;
  DoubleExtended r;
  ReduceByQuarterTurns(angle.hi, q, r);
  if (std::fabs(angle.lo) <= SmallLow) {
    SinCosReduced(q, r + Exactly(angle.lo), s, c);
    return;
  }
  DoubleExtended s1, c1, s2, c2;
  SinCosReduced(q, r, s1, c1);
  ReduceByQuarterTurns(angle.lo, q, r);
  SinCosReduced(q, r, s2, c2);
  s = s1 * c2 + c1 * s2;
  c = c1 * c2 + -(s1 * s2);
}

// ln a = modulus + i angle. On the axes the angle is a whole number of quarter turns, kept as
// that number, so that a power's angle there is taken apart into quarter turns exactly: (-1)^0.5
// is i, with no trace of pi's rounding in its real part.
struct LogParts {
  DoubleExtended modulus;
  DoubleExtended angle;
  Extended quarterTurns = 0;
  bool onAxis = false;
};

const DoubleExtended HalfPi = {Pi / 2, PiLow / 2};

LogParts LogOf(const TComplex& a)
{
  if (a.Form == cfPolar) {
    const TComplex p = PolarOf(a);
    return {Ln(Exactly(p.X)), Exactly(p.Y)};
  }
  LogParts l;
  l.modulus = LnOfModulus(a.X, a.Y);
  l.onAxis = a.X == 0 || a.Y == 0;
  if (a.Y == 0)
    l.quarterTurns = a.X > 0 ? 0 : 2;
  else if (a.X == 0)
    l.quarterTurns = a.Y > 0 ? 1 : -1;
  l.angle = l.onAxis ? HalfPi * Exactly(l.quarterTurns) : AngleOfPoint(Exactly(a.Y), Exactly(a.X));
  return l;
}

// sin and cos of turns quarter turns (exact) plus the angle radians.
void SinCosOfTurns(Extended turns, const DoubleExtended& radians, DoubleExtended& s, DoubleExtended& c)
{
  const Extended w = std::remainder(turns, Extended(4));  // exact, in [-2, 2]
  const Extended whole = std::nearbyint(w);
  SinCosOfSum(HalfPi * Exactly(w - whole) + radians, s, c);
  const DoubleExtended sine = s;
  switch ((static_cast<int>(whole) + 4) % 4) {
  case 1: s = c; c = -sine; break;
  case 2: s = -s; c = -c; break;
  case 3: s = -c; c = sine; break;
  default: break;
  }
}

// e^(re + i (turns pi/2 + radians)), with the checks of GuardedExp on the real part.
TComplex ExpOf(const DoubleExtended& re, Extended turns, DoubleExtended radians)
{
  if (std::isnan(re.hi))
    return Failure(ecArgumentError);
  if (re.hi < ExpUnderflowLimit)
    return Failure(ecUnderflow);
  if (re.hi > ExpOverflowLimit)
    return Failure(ecOverflow);
  if (!std::isfinite(radians.hi) || !std::isfinite(turns))
    return Failure(ecArgumentError);
  if (!std::isfinite(radians.lo))
    radians.lo = 0;  // the splitting of a product near the top of the range overflowed
  const ScaledExp e = ExpScaled(re);
  DoubleExtended s, c;
  SinCosOfTurns(turns, radians, s, c);
  return FiniteComplex({cfRectangular, std::ldexp((e.m * c).Value(), e.n), std::ldexp((e.m * s).Value(), e.n)});
}

}  // namespace

DoubleExtended LnOfModulus(Extended x, Extended y)
{
  // The parts scaled to the larger one's binary exponent: the sum of squares is formed to 128 bits
  // without leaving the range.
  const int k = std::ilogb(std::max(std::fabs(x), std::fabs(y)));
  const DoubleExtended xs = Exactly(std::ldexp(x, -k));
  const DoubleExtended ys = Exactly(std::ldexp(y, -k));
  return ScaledBy(Ln(xs * xs + ys * ys), -1) + Ln2() * Exactly(static_cast<Extended>(k));
}

TComplex WholeComplexPower(const TComplex& z, std::int64_t n)
{
  const ScaledComplex base = Normalized(Exactly(z.X), Exactly(z.Y), 0);
  ScaledComplex power = Normalized(Exactly(1), Exactly(0), 0);
  ScaledComplex factor = base;
  for (std::int64_t count = n < 0 ? -n : n; count > 0; count /= 2) {
    if (count % 2 != 0)
      power = Times(power, factor);
    if (count > 1)
      factor = Times(factor, factor);
  }
  return Rounded(n < 0 ? Reciprocal(power) : power);
}

TComplex PreciseComplexPower(const TComplex& a, const TComplex& b)
{
  const LogParts l = LogOf(a);
  const TComplex e = RectangularOf(b);
  const DoubleExtended bx = Exactly(e.X);
  const DoubleExtended by = Exactly(e.Y);
  // Far beyond the range the products themselves would overflow on the way.
  const Extended estimate = e.X * l.modulus.hi - e.Y * l.angle.hi;
  if (!(std::fabs(estimate) < 2 * ExpOverflowLimit))
    return ExpOf(Exactly(estimate), 0, Exactly(0));
  const DoubleExtended re = bx * l.modulus + -(by * l.angle);
  if (l.onAxis)
    return ExpOf(re, std::remainder(e.X, Extended(4)) * l.quarterTurns, by * l.modulus);
  return ExpOf(re, 0, bx * l.angle + by * l.modulus);
}

}  // namespace engine
