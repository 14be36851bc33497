#include "engine/ComplexPowers.h"

#include "engine/ComplexArithmetic.h"
#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "engine/PreciseComplexPower.h"

#include <cmath>

namespace engine {

namespace {

// Parts above this may give a modulus beyond the range: sqrt takes z / 2^HugeShift instead, ln
// the modulus from the scaled parts.
constexpr Extended HugePart = 1E4900L;
constexpr int HugeShift = 64;
// Parts below this may be subnormal or give a subnormal modulus, which has lost digits: sqrt takes
// z * 2^TinyShift instead, ln the modulus from the scaled parts.
constexpr Extended TinyPart = 1E-4800L;
constexpr int TinyShift = 256;

bool HasHugePart(const TComplex& z)
{
  return z.Form == cfRectangular && (std::fabs(z.X) > HugePart || std::fabs(z.Y) > HugePart);
}

bool HasOnlyTinyParts(const TComplex& z)
{
  return z.Form == cfRectangular && std::fabs(z.X) < TinyPart && std::fabs(z.Y) < TinyPart &&
         (z.X != 0 || z.Y != 0);
}

TComplex Scaled(const TComplex& z, int shift)
{
  return {cfRectangular, std::ldexp(z.X, shift), std::ldexp(z.Y, shift)};
}

}  // namespace

TComplex ComplexLn(const TComplex& z)
{
  if (HasHugePart(z) || HasOnlyTinyParts(z)) {
    const TComplex scaled = Scaled(z, HasHugePart(z) ? -HugeShift : TinyShift);
    return {cfRectangular, LnOfModulus(z.X, z.Y).Value(), PrincipalAngle(scaled.Y, scaled.X)};
  }
  ComplexErrorScope errors;
  const TComplex p = errors.Keep(PolarOf(z));
  const Extended l = GuardedLn(p.X);
  if (ErrorCode != 0) {
    errors.Note();
    return {cfRectangular, -MaxResultValue, 0};
  }
  // Near the unit circle ln |z| = ln(1 + (x - 1)(x + 1) + y^2) / 2 keeps the digits that ln of the
  // rounded modulus loses.
  if (z.Form == cfRectangular && p.X > 0.5L && p.X < 2)
    return {cfRectangular, std::log1p((z.X - 1) * (z.X + 1) + z.Y * z.Y) / 2, p.Y};
  return {cfRectangular, l, p.Y};
}

TComplex ComplexExp(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const Extended e = errors.Keep(GuardedExp(r.X));
  Extended s = 0;
  Extended c = 0;
  SinCos(r.Y, s, c);
  errors.Note();
  return errors.Keep(FiniteComplex({cfRectangular, e * c, e * s}));
}

namespace {

// 0^b: defined only for b = 0 (1) and Re b > 0 (0).
TComplex PowerOfZero(const TComplex& b)
{
  const Extended re = ComplexRe(b);
  if (re == 0 && ComplexIm(b) == 0)
    return ComplexOne;
  if (re > 0)
    return ComplexZero;
  if (re < 0) {
    MathError(ecSingularity);
    return ComplexInfinity;
  }
  MathError(ecArgumentError);
  return ComplexZero;
}

// b as a whole number n within the reach of repeated squaring.
bool IsWholeExponent(const TComplex& b, std::int64_t& n)
{
  const Extended re = ComplexRe(b);
  if (ComplexIm(b) != 0 || std::trunc(re) != re || std::fabs(re) > MaxWholeExponent)
    return false;
  n = static_cast<std::int64_t>(re);
  return true;
}

}  // namespace

TComplex ComplexPower(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  // The modulus of a rectangular base may lie beyond the range when the power does not.
  if (a.X == 0 && (a.Form == cfPolar || a.Y == 0))
    return errors.Keep(PowerOfZero(b));
  std::int64_t n = 0;
  if (a.Form == cfRectangular && IsWholeExponent(b, n))
    return errors.Keep(WholeComplexPower(a, n));
  return errors.Keep(PreciseComplexPower(a, b));
}

namespace {

// z^n by repeated squaring in rectangular form: small powers of exact values stay exact.
TComplex RectangularIntPower(const TComplex& z, std::int32_t n, ComplexErrorScope& errors)
{
  std::int64_t count = n < 0 ? -static_cast<std::int64_t>(n) : n;
  TComplex base = z;
  TComplex result = ComplexOne;
  while (count > 0) {
    if (count % 2 != 0)
      result = {cfRectangular, result.X * base.X - result.Y * base.Y, result.X * base.Y + result.Y * base.X};
    base = {cfRectangular, base.X * base.X - base.Y * base.Y, 2 * base.X * base.Y};
    count /= 2;
  }
  const bool finite = std::isfinite(result.X) && std::isfinite(result.Y);
  if (n >= 0)
    return errors.Keep(FiniteComplex(result));
  if (!finite)
    return ComplexZero;  // the reciprocal of an overflowed power
  return errors.Keep(ComplexDiv(ComplexOne, result));
}

}  // namespace

TComplex ComplexIntPower(const TComplex& z, std::int32_t n)
{
  ComplexErrorScope errors;
  const TComplex p = errors.Keep(PolarOf(z));
  if (p.X == 0) {
    if (n == 0)
      return ComplexOne;
    if (n > 0)
      return ComplexZero;
    MathError(ecSingularity);
    return errors.Keep(ComplexInfinity);
  }
  if (z.Form == cfRectangular)
    return RectangularIntPower(z, n, errors);
  const Extended modulus = errors.Keep(IntPower(n, p.X));
  return errors.Keep(FiniteComplex({cfPolar, modulus, FixAngle(static_cast<Extended>(n) * p.Y)}));
}

TComplex ComplexSqrt(const TComplex& z)
{
  if (HasHugePart(z))
    return Scaled(ComplexSqrt(Scaled(z, -HugeShift)), HugeShift / 2);
  if (HasOnlyTinyParts(z))
    return Scaled(ComplexSqrt(Scaled(z, TinyShift)), -TinyShift / 2);
  ComplexErrorScope errors;
  const TComplex p = errors.Keep(PolarOf(z));
  if (p.X == 0)
    return ComplexZero;
  if (z.Form == cfPolar)
    return {cfPolar, std::sqrt(p.X), FixAngle(p.Y / 2)};
  // In rectangular form: exact roots stay exact (sqrt(-4) is 2i, not 2 e^(i pi/2) rounded).
  const Extended x = z.X;
  const Extended y = z.Y;
  const Extended t = std::sqrt(std::fabs(x) / 2 + p.X / 2);
  if (x >= 0)
    return {cfRectangular, t, y / (2 * t)};
  return {cfRectangular, std::fabs(y) / (2 * t), y < 0 ? -t : t};
}

}  // namespace engine
