#pragma once
// Inverse circular and hyperbolic functions of complex values, all rectangular. Each clears
// ErrorCode first. On a branch cut the value is the one approached counter-clockwise around the
// cut's finite end (arcsin 2 = pi/2 - 1.3169i).

#include "engine/ComplexNumber.h"

namespace engine {

TComplex ComplexArcSin(const TComplex& z);
TComplex ComplexArcCos(const TComplex& z);
// At i and -i records 12 and gives (0, +-MaxResultValue).
TComplex ComplexArcTan(const TComplex& z);
TComplex ComplexArcSinh(const TComplex& z);
TComplex ComplexArcCosh(const TComplex& z);  // real part at least 0
// At 1 and -1 records 12 and gives (+-MaxResultValue, 0).
TComplex ComplexArcTanh(const TComplex& z);

}  // namespace engine
