#include "engine/ComplexInverseFunctions.h"

#include "engine/ComplexArithmetic.h"
#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"
#include "engine/MathError.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

constexpr Extended Ln2 = 0.69314718055994530942L;
// Beyond this modulus arcsin z is ln 2|z| and the angle to within rounding, and the sums below
// could overflow.
constexpr Extended HugeArgument = 1E2000L;
// Above this value of Re(arcsin) / |z| the arcsine is ill-conditioned; an arctangent is used.
constexpr Extended AsinCrossover = 0.6417L;

struct ArcSinParts {
  Extended re = 0;  // in [0, pi/2]
  Extended im = 0;  // at least 0
  Extended co = 0;  // pi/2 - re, formed apart: the real part of the arccosine
};

// arcsin of x + iy for x, y >= 0, with r = |z + 1|, s = |z - 1|, a = (r + s) / 2:
// sin(re) = x / a and cosh(im) = a; a - 1 and a - x are formed without cancellation.
ArcSinParts FirstQuadrantArcSin(Extended x, Extended y)
{
  if (std::max(x, y) > HugeArgument) {
    const Extended big = std::max(x, y);
    const Extended ratio = std::min(x, y) / big;
    return {std::atan2(x, y), Ln2 + std::log(big) + std::log1p(ratio * ratio) / 2, std::atan2(y, x)};
  }
  const Extended r = std::hypot(x + 1, y);
  const Extended s = std::hypot(x - 1, y);
  const Extended a = std::max<Extended>((r + s) / 2, 1);
  const Extended y2 = y * y;
  ArcSinParts p;
  const Extended beta = std::min<Extended>(x / a, 1);
  if (beta <= AsinCrossover) {
    p.re = std::asin(beta);
    p.co = std::acos(beta);
  } else if (x <= 1) {
    const Extended aMinusX = (y2 / (r + x + 1) + (s + (1 - x))) / 2;
    const Extended d = std::sqrt((a + x) * std::max<Extended>(aMinusX, 0));
    p.re = std::atan2(x, d);
    p.co = std::atan2(d, x);
  } else if (y == 0) {
    p.re = Pi / 2;
    p.co = 0;
  } else {
    const Extended q = ((a + x) / (r + x + 1) + (a + x) / (s + (x - 1))) / 2;
    const Extended d = y * std::sqrt(q);
    p.re = std::atan2(x, d);
    p.co = std::atan2(d, x);
  }
  if (a <= 1.5L && x < 1) {
    // a - 1 = y^2 k: im = ln(1 + y (y k + sqrt(k (a + 1)))), with y taken out of the root so that a
    // y whose square lies below the range keeps its digits (arcsin iy = i y for a tiny y).
    const Extended k = (1 / (r + x + 1) + 1 / (s + (1 - x))) / 2;
    p.im = std::log1p(y * (y * k + std::sqrt(k * (a + 1))));
  } else if (a <= 1.5L) {
    const Extended m = std::max<Extended>((y2 / (r + x + 1) + (s + (x - 1))) / 2, 0);
    // Apart where m (a + 1) would fall below the normal range.
    const Extended root = m < 1E-4000L ? std::sqrt(m) * std::sqrt(a + 1) : std::sqrt(m * (a + 1));
    p.im = std::log1p(m + root);
  } else {
    p.im = std::acosh(a);
  }
  return p;
}

// The arcsine as (re, im) for any x, y; co is the real part of the arccosine.
ArcSinParts ArcSinOf(Extended x, Extended y)
{
  const ArcSinParts p = FirstQuadrantArcSin(std::fabs(x), std::fabs(y));
  // On the real axis beyond +-1 the imaginary part takes the sign of -x.
  const std::int32_t imSign = y != 0 ? Sgn(y) : Sgn(-x);
  return {x < 0 ? -p.re : p.re, imSign * p.im, x < 0 ? Pi - p.co : p.co};
}

struct ArcTanParts {
  Extended re = 0;
  Extended im = 0;
};

// The arctangent as (re, im) away from i and -i.
ArcTanParts ArcTanOf(Extended x, Extended y)
{
  ArcTanParts p;
  p.re = (PrincipalAngle(x, 1 - y) - PrincipalAngle(-x, 1 + y)) / 2;
  // im = ln(|z + i|^2 / |z - i|^2) / 4 = ln(1 + q) / 4 with q = 4y / |z - i|^2, scaled against
  // overflow; far from 1 + q = 1 the two moduli are taken apart.
  const Extended scale = std::max(std::fabs(x), std::fabs(y - 1));
  const Extended xs = x / scale;
  const Extended ys = (y - 1) / scale;
  const Extended q = 4 * (y / scale) / scale / (xs * xs + ys * ys);
  if (std::fabs(q) < 0.5L)
    p.im = std::log1p(q) / 4;
  else
    p.im = (std::log(std::hypot(x, y + 1)) - std::log(std::hypot(x, y - 1))) / 2;
  return p;
}

}  // namespace

TComplex ComplexArcSin(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const ArcSinParts p = ArcSinOf(r.X, r.Y);
  return errors.Keep(FiniteComplex({cfRectangular, p.re, p.im}));
}

TComplex ComplexArcCos(const TComplex& z)
{
  // pi/2 - arcsin z, with the real part formed apart: near z = 1 the difference would cancel.
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const ArcSinParts p = ArcSinOf(r.X, r.Y);
  return errors.Keep(FiniteComplex({cfRectangular, p.co, -p.im + Extended(0)}));
}

TComplex ComplexArcTan(const TComplex& z)
{
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  if (r.X == 0 && std::fabs(r.Y) == 1) {
    MathError(ecSingularity);
    return errors.Keep(TComplex{cfRectangular, 0, Sgn(r.Y) * MaxResultValue});
  }
  const ArcTanParts p = ArcTanOf(r.X, r.Y);
  return errors.Keep(FiniteComplex({cfRectangular, p.re, p.im}));
}

TComplex ComplexArcSinh(const TComplex& z)
{
  // arcsinh z = -i arcsin(iz)
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  const ArcSinParts p = ArcSinOf(-r.Y, r.X);
  return errors.Keep(FiniteComplex({cfRectangular, p.im, -p.re}));
}

TComplex ComplexArcCosh(const TComplex& z)
{
  // arccosh z = -i arccos z or its negative, whichever has the real part >= 0. Where that real
  // part is 0 the imaginary part takes the sign of Im z (>= 0 on the real axis), so that a point
  // just below the cut stays below it even when its real part lies below the range.
  ComplexErrorScope errors;
  const TComplex c = errors.Keep(ComplexArcCos(z));
  const Extended re = c.Y;
  const Extended im = -c.X;
  if (re < 0 || (re == 0 && im < 0 && ComplexIm(z) >= 0))
    return {cfRectangular, -re, -im};
  return {cfRectangular, re + Extended(0), im};
}

TComplex ComplexArcTanh(const TComplex& z)
{
  // arctanh z = -i arctan(iz)
  ComplexErrorScope errors;
  const TComplex r = errors.Keep(RectangularOf(z));
  if (r.Y == 0 && std::fabs(r.X) == 1) {
    MathError(ecSingularity);
    return errors.Keep(TComplex{cfRectangular, Sgn(r.X) * MaxResultValue, 0});
  }
  const ArcTanParts p = ArcTanOf(-r.Y, r.X);
  return errors.Keep(FiniteComplex({cfRectangular, p.im, -p.re}));
}

}  // namespace engine
