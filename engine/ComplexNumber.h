#pragma once
// The complex value of complex mode: a number in rectangular or polar form, its constants, the
// conversions between the forms and the operations that only read or re-sign its parts. These leave
// ErrorCode alone unless a modulus overflows (11), so they may run after a failed evaluation.

#include "engine/Extended.h"
#include "engine/MathConstants.h"

#include <cstdint>

namespace engine {

// Values of TComplex::Form.
inline constexpr std::uint8_t cfPolar = 0;
inline constexpr std::uint8_t cfRectangular = 1;

struct TComplex {
  std::uint8_t Form = cfRectangular;  // cfRectangular or cfPolar
  Extended X = 0;                     // rectangular: real part; polar: modulus
  Extended Y = 0;                     // rectangular: imaginary part; polar: angle in radians
};

inline constexpr TComplex ComplexZero{cfRectangular, 0, 0};
inline constexpr TComplex ComplexOne{cfRectangular, 1, 0};
inline constexpr TComplex ComplexI{cfRectangular, 0, 1};
inline constexpr TComplex ComplexHalfPi{cfRectangular, Pi / 2, 0};
inline constexpr TComplex ComplexInfinity{cfRectangular, MaxResultValue, MaxResultValue};

TComplex MakeComplex(std::uint8_t form, Extended x, Extended y);
// z in the form given; a value already in that form is returned unchanged.
TComplex ConvertComplexForm(const TComplex& z, std::uint8_t form);

Extended ComplexRe(const TComplex& z);
Extended ComplexIm(const TComplex& z);
Extended ComplexAbs(const TComplex& z);
bool ComplexEquals(const TComplex& a, const TComplex& b);  // same real and imaginary parts, exactly
std::int32_t ComplexSign(const TComplex& z);  // sign of the real part, or of the imaginary part when it is 0
TComplex ComplexNeg(const TComplex& z);       // in z's form
TComplex ComplexConj(const TComplex& z);      // in z's form

// The angle of the point (x, y) in (-pi, pi]; a negative zero counts as zero, so the negative real
// axis has the angle pi.
Extended PrincipalAngle(Extended y, Extended x);
// z in rectangular form.
TComplex RectangularOf(const TComplex& z);
// z in polar form with a modulus of at least 0 and an angle in (-pi, pi], whatever the record held.
TComplex PolarOf(const TComplex& z);

}  // namespace engine
