#pragma once
// Complex powers whose parts are carried to about 128 bits and rounded at the end, so that a base
// near the top or bottom of the range, or a large exponent, costs no digits on the way. A modulus
// beyond the range records 11 (ComplexInfinity), below the normal range 28 (0), like GuardedExp.

#include "engine/ComplexNumber.h"
#include "engine/DoubleExtended.h"

#include <cstdint>

namespace engine {

// ln |x + iy| to about 85 bits for a point that is not 0, wherever its parts lie in the range.
DoubleExtended LnOfModulus(Extended x, Extended y);

// Whole exponents up to this size go by repeated squaring.
inline constexpr std::int64_t MaxWholeExponent = 2147483647;

// z^n for a rectangular z that is not 0 and |n| <= MaxWholeExponent; rectangular. Parts that the
// powers of exact parts make exact stay exact: (1 + i)^2 is 2i.
TComplex WholeComplexPower(const TComplex& z, std::int64_t n);

// a^b = e^(b ln a) for a base that is not 0, in either form; rectangular.
TComplex PreciseComplexPower(const TComplex& a, const TComplex& b);

}  // namespace engine
