#include "engine/ComplexPowers.h"

#include "engine/ComplexArithmetic.h"
#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

TComplex ComplexLn(const TComplex& z)
{
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

}  // namespace

TComplex ComplexPower(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  const TComplex base = errors.Keep(PolarOf(a));
  if (base.X == 0)
    return errors.Keep(PowerOfZero(b));
  // Multiplied in rectangular form, which keeps integer powers of rectangular bases close.
  const TComplex lnBase = errors.Keep(ComplexLn(base));
  const TComplex product = errors.Keep(ComplexMul(lnBase, b));
  return errors.Keep(ComplexExp(product));
}

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
  const Extended modulus = errors.Keep(IntPower(n, p.X));
  return errors.Keep(FiniteComplex({cfPolar, modulus, FixAngle(static_cast<Extended>(n) * p.Y)}));
}

TComplex ComplexSqrt(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex p = errors.Keep(PolarOf(z));
  if (p.X == 0)
    return ComplexZero;
  return {cfPolar, std::sqrt(p.X), FixAngle(p.Y / 2)};
}

}  // namespace engine
