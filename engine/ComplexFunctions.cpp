#include "engine/ComplexFunctions.h"

#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"
#include "engine/MathError.h"

#include <cmath>

namespace engine {

namespace {

struct CircularParts {
  Extended sin = 0;
  Extended cos = 0;
};

CircularParts SinCosOf(Extended x)
{
  CircularParts p;
  SinCos(x, p.sin, p.cos);
  return p;
}

struct HyperbolicParts {
  Extended sinh = 0;
  Extended cosh = 0;
};

HyperbolicParts SinhCoshOf(Extended x)
{
  HyperbolicParts p;
  SinhCosh(x, p.sinh, p.cosh);
  return p;
}

}  // namespace

TComplex ComplexSin(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const CircularParts c = SinCosOf(r.X);
  const HyperbolicParts h = errors.Keep(SinhCoshOf(r.Y));
  return errors.Keep(FiniteComplex({cfRectangular, c.sin * h.cosh, c.cos * h.sinh}));
}

TComplex ComplexCos(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const CircularParts c = SinCosOf(r.X);
  const HyperbolicParts h = errors.Keep(SinhCoshOf(r.Y));
  return errors.Keep(FiniteComplex({cfRectangular, c.cos * h.cosh, -c.sin * h.sinh}));
}

TComplex ComplexTan(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  // tan z = (sin 2x + i sinh 2y) / (cos 2x + cosh 2y), with numerator and denominator multiplied by
  // 2 e^-2|y| = 2t, so that no part overflows however large y is. The denominator becomes
  // (1 - t)^2 + 4t cos^2 x, which keeps its digits beside the poles.
  const CircularParts once = SinCosOf(r.X);
  CircularParts twice;
  if (std::fabs(r.X) < MaxResultValue / 2) {
    twice = SinCosOf(2 * r.X);
  } else {
    twice.sin = 2 * once.sin * once.cos;
    twice.cos = (once.cos - once.sin) * (once.cos + once.sin);
  }
  const Extended u = std::expm1(-2 * std::fabs(r.Y));  // t - 1, exact for small y
  const Extended t = 1 + u;
  const Extended d = u * u + 4 * t * once.cos * once.cos;
  if (d == 0 || (r.Y == 0 && twice.cos == -1)) {
    MathError(ecSingularity);
    return errors.Keep(TComplex{cfRectangular, MaxResultValue, 0});
  }
  const Extended re = 2 * twice.sin * t / d;
  const Extended im = Sgn(r.Y) * (-u * (2 + u)) / d;  // sinh 2y * 2t = sgn(y) (1 - t^2)
  return errors.Keep(FiniteComplex({cfRectangular, re, im}));
}

TComplex ComplexSinh(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const HyperbolicParts h = errors.Keep(SinhCoshOf(r.X));
  const CircularParts c = SinCosOf(r.Y);
  return errors.Keep(FiniteComplex({cfRectangular, h.sinh * c.cos, h.cosh * c.sin}));
}

TComplex ComplexCosh(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const HyperbolicParts h = errors.Keep(SinhCoshOf(r.X));
  const CircularParts c = SinCosOf(r.Y);
  return errors.Keep(FiniteComplex({cfRectangular, h.cosh * c.cos, h.sinh * c.sin}));
}

TComplex ComplexTanh(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const TComplex t = errors.Keep(ComplexTan({cfRectangular, -r.Y, r.X}));
  return {cfRectangular, t.Y, -t.X};
}

}  // namespace engine
