#include "engine/ComplexArithmetic.h"

#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

TComplex ComplexAdd(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  const TComplex u = errors.Keep(RectangularOf(a));
  const TComplex v = errors.Keep(RectangularOf(b));
  return errors.Keep(FiniteComplex({cfRectangular, u.X + v.X, u.Y + v.Y}));
}

TComplex ComplexSub(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  const TComplex u = errors.Keep(RectangularOf(a));
  const TComplex v = errors.Keep(RectangularOf(b));
  return errors.Keep(FiniteComplex({cfRectangular, u.X - v.X, u.Y - v.Y}));
}

TComplex ComplexMul(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  const TComplex v = errors.Keep(ConvertComplexForm(b, a.Form));
  if (a.Form == cfPolar)
    return errors.Keep(FiniteComplex({cfPolar, a.X * v.X, FixAngle(a.Y + v.Y)}));
  return errors.Keep(FiniteComplex({cfRectangular, a.X * v.X - a.Y * v.Y, a.X * v.Y + a.Y * v.X}));
}

namespace {

bool IsZero(const TComplex& z)
{
  return z.Form == cfRectangular ? z.X == 0 && z.Y == 0 : z.X == 0;
}

// Smith's division: the divisor is scaled by its larger part, so a tiny or huge divisor neither
// underflows nor overflows on the way.
TComplex DivideRectangular(const TComplex& a, const TComplex& b)
{
  if (std::fabs(b.X) >= std::fabs(b.Y)) {
    const Extended r = b.Y / b.X;
    const Extended d = b.X + b.Y * r;
    return {cfRectangular, (a.X + a.Y * r) / d, (a.Y - a.X * r) / d};
  }
  const Extended r = b.X / b.Y;
  const Extended d = b.Y + b.X * r;
  return {cfRectangular, (a.X * r + a.Y) / d, (a.Y * r - a.X) / d};
}

}  // namespace

TComplex ComplexDiv(const TComplex& a, const TComplex& b)
{
  ComplexErrorScope errors;
  if (IsZero(b)) {
    MathError(ecOverflow);
    return errors.Keep(ComplexInfinity);
  }
  const TComplex v = errors.Keep(ConvertComplexForm(b, a.Form));
  if (a.Form == cfPolar)
    return errors.Keep(FiniteComplex({cfPolar, a.X / v.X, FixAngle(a.Y - v.Y)}));
  return errors.Keep(FiniteComplex(DivideRectangular(a, v)));
}

}  // namespace engine
