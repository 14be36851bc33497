#pragma once
// Constants of the numeric library.

#include "engine/Extended.h"

namespace engine {

inline constexpr Extended Tiny = 3.3621031431120955800E-4932L;  // about the smallest normal Extended
inline constexpr Extended Eps = 1.0842021724855044400E-19L;     // about 2^-63
inline constexpr Extended Pi = 3.1415926535897932385L;
inline constexpr Extended LnSqrt2Pi = 0.91893853320467274175L;
inline constexpr Extended LnPi = 1.1447298858494001741L;
inline constexpr Extended EulerGamma = 0.57721566490153286L;
inline constexpr Extended EulerGammaExact = 0.57721566490153286060651209008240243L;  // to 64 bits
inline constexpr Extended Log2E = 1.4426950408889634074L;       // 1 / ln 2

// Arguments of e^x beyond which the result underflows or overflows Extended.
inline constexpr Extended ExpUnderflowLimit = -11355.137111933024L;
inline constexpr Extended ExpOverflowLimit = 11356.5234062941439L;
inline constexpr Extended ExpZeroLimit = -11450;  // e^x below it rounds to 0 even as a subnormal

// Steps after which a series or continued fraction that has not converged gives up with error 8.
inline constexpr int MaxIterations = 10000;

}  // namespace engine
