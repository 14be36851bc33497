#pragma once
// The logarithm of the gamma function of a complex value.

#include "engine/ComplexNumber.h"

#include <array>

namespace engine {

// c1..c8 of the Stirling series of ln gamma: c_n / z^(2n - 1).
inline constexpr std::array<Extended, 8> StirlingCoefficients = {
    0.0833333333333333L,  -0.00277777777777778L, 0.000793650793650794L, -0.000595238095238095L,
    0.000841750841750842L, -0.00191752691752692L, 0.00641025641025641L,  -0.0295506535947712L};

// ln gamma(z), rectangular, continuous off the negative real axis (the sum of the principal
// logarithms of the recurrence, not the principal logarithm of gamma). Clears ErrorCode first. At
// 0, -1, -2, ... records 12 (ComplexInfinity); a real part below about -100000 records 8 (0).
TComplex ComplexLnGamma(const TComplex& z);

}  // namespace engine
