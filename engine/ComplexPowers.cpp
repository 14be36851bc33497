#include "engine/ComplexPowers.h"

#include "engine/ComplexArithmetic.h"
#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/ExactArithmetic.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

namespace {

// Parts above this may give a modulus beyond the range: ln and sqrt take z / 2^HugeShift instead.
constexpr Extended HugePart = 1E4900L;
constexpr int HugeShift = 64;

bool HasHugePart(const TComplex& z)
{
  return z.Form == cfRectangular && (std::fabs(z.X) > HugePart || std::fabs(z.Y) > HugePart);
}

TComplex ScaledDown(const TComplex& z)
{
  return {cfRectangular, std::ldexp(z.X, -HugeShift), std::ldexp(z.Y, -HugeShift)};
}

}  // namespace

TComplex ComplexLn(const TComplex& z)
{
  if (HasHugePart(z)) {
    TComplex scaled = ComplexLn(ScaledDown(z));
    scaled.X += HugeShift * std::log(Extended(2));
    return scaled;
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


// An angle as an unevaluated sum hi + lo.
struct TwoPartAngle {
  Extended hi = 0;
  Extended lo = 0;
};

// The angle of the point (x, y) in (-pi, pi]. Near the negative real axis it is measured from the
// true pi, so that a point just below the axis keeps its angle just above -pi: one rounded Extended
// could not tell -pi + 1E-20 from -pi, whose neighbourhood lies across the branch cut.
TwoPartAngle AngleOf(Extended x, Extended y)
{
  if (x < 0 && std::fabs(y) <= -x) {
    const Extended s = y < 0 ? -1 : 1;
    return {s * Pi, s * (PiLow - std::atan(std::fabs(y) / -x))};
  }
  return {PrincipalAngle(y, x), 0};
}

// e^(re + i (hi + lo)).
TComplex ExpOfTwoPartImaginary(Extended re, const TwoPartAngle& im)
{
  const Extended e = GuardedExp(re);
  Extended sh = 0, ch = 0, sl = 0, cl = 0;
  SinCos(im.hi, sh, ch);
  SinCos(im.lo, sl, cl);
  return FiniteComplex({cfRectangular, e * (ch * cl - sh * sl), e * (sh * cl + ch * sl)});
}

// a^b for a rectangular base that is not 0: e^(b ln a) with the angle of a and the imaginary part of
// b ln a kept in two parts.
TComplex RectangularPower(const TComplex& a, const TComplex& b, ComplexErrorScope& errors)
{
  const Extended lnModulus = errors.Keep(ComplexLn(a)).X;
  const TwoPartAngle angle = AngleOf(a.X, a.Y);
  const TComplex e = errors.Keep(RectangularOf(b));
  TwoPartAngle im;
  Extended productError = 0;
  TwoProduct(e.X, angle.hi, im.hi, productError);
  im.lo = productError + e.X * angle.lo + e.Y * lnModulus;
  const Extended re = e.X * lnModulus - e.Y * angle.hi - e.Y * angle.lo;
  return errors.Keep(ExpOfTwoPartImaginary(re, im));
}

}  // namespace

TComplex ComplexPower(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  // The modulus of a rectangular base may lie beyond the range when the power does not.
  if (a.X == 0 && (a.Form == cfPolar || a.Y == 0))
    return errors.Keep(PowerOfZero(b));
  if (a.Form == cfRectangular)
    return RectangularPower(a, b, errors);
  const TComplex base = errors.Keep(PolarOf(a));
  const TComplex lnBase = errors.Keep(ComplexLn(base));
  const TComplex product = errors.Keep(ComplexMul(lnBase, b));
  return errors.Keep(ComplexExp(product));
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
  if (HasHugePart(z)) {
    const TComplex root = ComplexSqrt(ScaledDown(z));
    return {cfRectangular, std::ldexp(root.X, HugeShift / 2), std::ldexp(root.Y, HugeShift / 2)};
  }
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
