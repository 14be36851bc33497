#pragma once
// Elementary functions that record domain errors through MathError instead of faulting. The ones
// that can fail clear ErrorCode first (ErrorFlag is left alone), so ErrorCode afterwards tells that
// call's own outcome.

#include "engine/Extended.h"

#include <cstdint>

namespace engine {

void SwapExtended(Extended& a, Extended& b);
std::int32_t Sgn(Extended x);  // 1, -1 or 0

Extended GuardedExp(Extended x);   // e^x; error 28 below the range (0), 11 above it
Extended GuardedLn(Extended x);    // ln x; error 12 for 0, 8 for a negative x
Extended Log2Guarded(Extended x);  // log2 x with GuardedLn's errors
Extended IntPower(std::int32_t n, Extended x);  // x^n by repeated squaring; 0^negative is error 12

Extended Pythag(Extended a, Extended b);  // sqrt(a^2 + b^2) without intermediate overflow
Extended FixAngle(Extended x);            // x reduced to (-pi, pi]

Extended SinGuarded(Extended x);
void SinCos(Extended x, Extended& s, Extended& c);
void SinhCosh(Extended x, Extended& sh, Extended& ch);  // beyond the exponential's range: error 11

}  // namespace engine
