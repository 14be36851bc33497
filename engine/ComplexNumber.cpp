#include "engine/ComplexNumber.h"

#include "engine/ComplexErrorScope.h"
#include "engine/ElementaryFunctions.h"

#include <cmath>

namespace engine {

TComplex MakeComplex(std::uint8_t form, Extended x, Extended y)
{
  return {form, x, y};
}

Extended PrincipalAngle(Extended y, Extended x)
{
  // Adding +0 turns -0 into +0, so atan2 never answers -pi.
  return std::atan2(y + Extended(0), x + Extended(0));
}

TComplex ConvertComplexForm(const TComplex& z, std::uint8_t form)
{
  if (z.Form == form)
    return z;
  if (form == cfRectangular)
    return FiniteComplex({cfRectangular, z.X * std::cos(z.Y), z.X * std::sin(z.Y)});
  const Extended modulus = z.X != 0 ? Pythag(z.X, z.Y) : std::fabs(z.Y);
  const Extended angle = z.X == 0 && z.Y == 0 ? 0 : PrincipalAngle(z.Y, z.X);
  return {cfPolar, modulus, angle};
}

TComplex RectangularOf(const TComplex& z)
{
  return ConvertComplexForm(z, cfRectangular);
}

TComplex PolarOf(const TComplex& z)
{
  if (z.Form != cfPolar)
    return ConvertComplexForm(z, cfPolar);
  if (z.X == 0)
    return {cfPolar, 0, 0};
  if (z.X < 0)
    return {cfPolar, -z.X, FixAngle(z.Y + Pi)};
  return {cfPolar, z.X, FixAngle(z.Y)};
}

Extended ComplexRe(const TComplex& z)
{
  return z.Form == cfRectangular ? z.X : z.X * std::cos(z.Y);
}

Extended ComplexIm(const TComplex& z)
{
  return z.Form == cfRectangular ? z.Y : z.X * std::sin(z.Y);
}

Extended ComplexAbs(const TComplex& z)
{
  if (z.Form == cfRectangular)
    return Pythag(z.X, z.Y);
  return std::fabs(z.X);
}

bool ComplexEquals(const TComplex& a, const TComplex& b)
{
  return ComplexRe(a) == ComplexRe(b) && ComplexIm(a) == ComplexIm(b);
}

std::int32_t ComplexSign(const TComplex& z)
{
  const Extended re = ComplexRe(z);
  if (re != 0)
    return Sgn(re);
  return Sgn(ComplexIm(z));
}

TComplex ComplexNeg(const TComplex& z)
{
  if (z.Form == cfRectangular)
    return {cfRectangular, -z.X, -z.Y};
  return {cfPolar, z.X, FixAngle(z.Y + Pi)};
}

TComplex ComplexConj(const TComplex& z)
{
  if (z.Form == cfRectangular)
    return {cfRectangular, z.X, -z.Y};
  return {cfPolar, z.X, FixAngle(-z.Y)};
}

}  // namespace engine
