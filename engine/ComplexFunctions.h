#pragma once
// Circular and hyperbolic functions of complex values, all rectangular. Each clears ErrorCode first;
// an imaginary part (sin, cos) or real part (sinh, cosh) beyond the exponential's range records 11.

#include "engine/ComplexNumber.h"

namespace engine {

TComplex ComplexSin(const TComplex& z);
TComplex ComplexCos(const TComplex& z);
// At a pole (cos 2x = -1 with y = 0) records 12 and gives (MaxResultValue, 0).
TComplex ComplexTan(const TComplex& z);

TComplex ComplexSinh(const TComplex& z);
TComplex ComplexCosh(const TComplex& z);
// -i tan(iz); at a pole records 12 and gives (0, -MaxResultValue).
TComplex ComplexTanh(const TComplex& z);

}  // namespace engine
