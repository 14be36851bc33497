#pragma once
// The regularized incomplete beta ratio I_x(a, b).

#include "engine/Extended.h"

namespace engine {

// I_x(a, b) for a > 0, b > 0, 0 <= x <= 1 (else error 8).
Extended IBeta(Extended a, Extended b, Extended x);
// The same given x and y = 1 - x as the caller has them, each to its own last digit: near x = 1 the
// digits of y decide.
Extended IBetaParts(Extended a, Extended b, Extended x, Extended y);
// Its continued fraction (modified Lentz); error 8 when it does not converge within MaxIterations.
Extended IBetaFraction(Extended a, Extended b, Extended x);

}  // namespace engine
