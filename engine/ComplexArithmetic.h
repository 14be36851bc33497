#pragma once
// The four operations on complex values. Each clears ErrorCode first; an overflow records 11.

#include "engine/ComplexNumber.h"

namespace engine {

TComplex ComplexAdd(const TComplex& a, const TComplex& b);  // rectangular
TComplex ComplexSub(const TComplex& a, const TComplex& b);  // rectangular, a - b
TComplex ComplexMul(const TComplex& a, const TComplex& b);  // in a's form
// In a's form; a zero divisor records 11 and gives ComplexInfinity.
TComplex ComplexDiv(const TComplex& a, const TComplex& b);

}  // namespace engine
