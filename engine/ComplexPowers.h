#pragma once
// Logarithm, exponential, powers and square root of complex values. Each clears ErrorCode first.

#include "engine/ComplexNumber.h"

#include <cstdint>

namespace engine {

// Principal logarithm, rectangular; ln 0 records 12 and gives (-MaxResultValue, 0).
TComplex ComplexLn(const TComplex& z);
// e^z, rectangular; errors of GuardedExp (28 below its range, 11 above).
TComplex ComplexExp(const TComplex& z);
// a^b = e^(b ln a), rectangular, its parts carried to about 128 bits; a rectangular base to a whole
// power by repeated squaring (exact parts stay exact). A zero base gives 1 for b = 0 and 0 for
// Re b > 0; Re b < 0 records 12 (ComplexInfinity), and a purely imaginary b records 8 (0).
TComplex ComplexPower(const TComplex& a, const TComplex& b);
// z^n in z's form (rectangular by repeated squaring); 0 to a negative power records 12
// (ComplexInfinity).
TComplex ComplexIntPower(const TComplex& z, std::int32_t n);
// Principal square root in z's form; exact roots of rectangular values stay exact.
TComplex ComplexSqrt(const TComplex& z);

}  // namespace engine
